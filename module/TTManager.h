// The requirements manager: one reference-counted instance per module, created on the
// first acquire. Procedures that use it acquire it at their start and release it at their
// end; the last release ends it.
#pragma once

#include "host/Array.h"
#include "host/ObjectImpl.h"
#include "platform/text/ZnsString.h"

// The backward references: properties the manager keeps on any drawing object that refers
// to an item of a requirements text.
class IZnsTTManager : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000004, 0x0013);

    // The item number the object refers to ("TT item" > 0), else -1.
    virtual std::int32_t GetTTItem(const znsWorkID& object) = 0;
    // Writes `number` when it differs; true when the storage took it.
    virtual bool SetTTItem(const znsWorkID& object, std::int32_t number) = 0;
    // The reference's text ("TT info"); false when the object has none.
    virtual bool GetTTInfo(const znsWorkID& object, ZnsStringW& text) = 0;
    virtual bool ResetTTItem(const znsWorkID& object) = 0;
    // The position objects of the drawing that refer to an item.
    virtual void CollectLinkedObjects(ZnsArray<znsWorkID>& objects) = 0;
    // Lets the user pick a view or section that carries a reference text.
    virtual bool PickLinkedObject(znsWorkID& object) = 0;
    // The item numbers an older position object holds ("ZNSTTC").
    virtual std::int32_t GetItemList(const znsWorkID& object, ZnsArray<std::int32_t>& numbers) = 0;
};

class CZnsTTManager : public ZnObjectImpl<IZnsTTManager> {
public:
    ZnsGuid GetClassId() const override { return IZnsTTManager::IID; }

    std::int32_t GetTTItem(const znsWorkID& object) override;
    bool SetTTItem(const znsWorkID& object, std::int32_t number) override;
    bool GetTTInfo(const znsWorkID& object, ZnsStringW& text) override;
    bool ResetTTItem(const znsWorkID& object) override { return SetTTItem(object, -1); }
    void CollectLinkedObjects(ZnsArray<znsWorkID>& objects) override;
    bool PickLinkedObject(znsWorkID& object) override;
    std::int32_t GetItemList(const znsWorkID& object, ZnsArray<std::int32_t>& numbers) override;
};

// The manager with one more reference; null only when it could not be created.
CZnsTTManager* AcquireTTManager();
// Releases one reference; the last one ends the manager and clears the global.
void ReleaseTTManager();
