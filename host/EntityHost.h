// What an entity asks of the drawing that holds it: to record a change before a field
// changes (undo and edit permission), to hear that it changed, and its extents.
#pragma once

#include "host/Geometry.h"

class IZnEntity;

class IZnEntityHost {
public:
    virtual ~IZnEntityHost() = default;
    // False when the document refuses edits; the entity must then leave its fields alone.
    virtual bool RecordChange(IZnEntity& entity) = 0;
    virtual void EntityChanged(IZnEntity& entity) = 0;
    virtual ZnsBox3 ExtentsOf(IZnEntity& entity) = 0;
};
