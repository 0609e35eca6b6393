// Documents and their views: the active drawing answers whether it accepts edits, names
// its current space, and shows an object in its view.
#pragma once

#include "host/Object.h"
#include "platform/text/ZnsString.h"

class IZnDocument {
public:
    virtual ~IZnDocument() = default;
    // False when the drawing is read-only or otherwise refuses changes.
    virtual bool AcceptsEdits() const = 0;
    virtual znsWorkID GetCurrentSpace() const = 0;
    virtual ZnsStringW GetPath() const = 0;
    // The view brings the object into sight (and selects it); `factor` is the share of the
    // view the object fills.
    virtual HRESULT ShowObject(const znsWorkID& id, double factor) = 0;
    virtual void Refresh() = 0;
};

class IZnDocManager {
public:
    virtual ~IZnDocManager() = default;
    // Null when no drawing is open.
    virtual IZnDocument* GetActiveDocument() = 0;
};
