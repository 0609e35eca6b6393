#include "simhost/DrawingFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/file/SaveFile.h"
#include "simhost/BinaryFiler.h"
#include "simhost/VariantRecord.h"

namespace simhost {

namespace {

const std::string kMagic("ZNDWG\x01\r\n", 8);
constexpr std::int32_t kMaxCount = 1 << 24;

void writeSerial(IZnFiler& filer, std::uint64_t value) {
    filer.WriteInt32(std::int32_t(value & 0xFFFFFFFFu));
    filer.WriteInt32(std::int32_t(value >> 32));
}

bool readSerial(IZnFiler& filer, std::uint64_t& value) {
    std::int32_t low = 0, high = 0;
    if (FAILED(filer.ReadInt32(low)) || FAILED(filer.ReadInt32(high)))
        return false;
    value = std::uint64_t(std::uint32_t(low)) | (std::uint64_t(std::uint32_t(high)) << 32);
    return true;
}

bool readCount(IZnFiler& filer, std::int32_t& count) {
    return SUCCEEDED(filer.ReadInt32(count)) && count >= 0 && count <= kMaxCount;
}

void writeHeader(BinaryFiler& filer, Drawing& drawing) {
    filer.BeginRecord(1, 0);
    writeSerial(filer, drawing.Serial());
    writeSerial(filer, drawing.NextSerial());
    filer.WriteInt32(std::int32_t(drawing.Spaces().size()));
    for (const Space& space : drawing.Spaces()) {
        filer.WriteId(space.id);
        filer.WriteString(space.name);
    }
    filer.WriteId(drawing.CurrentSpace());
    filer.WriteInt32(std::int32_t(drawing.Layers().size()));
    for (const ZnsStringW& layer : drawing.Layers())
        filer.WriteString(layer);
    filer.WriteInt32(std::int32_t(drawing.DefaultValues().size()));
    for (const auto& [id, value] : drawing.DefaultValues()) {
        filer.WriteInt32(id);
        WriteVariant(filer, value);
    }
    filer.EndRecord();
}

void writeObject(BinaryFiler& filer, IZnEntity& entity) {
    filer.BeginRecord(1, 0);
    filer.WriteString(zn::fromUtf8(entity.GetClassId().toString()));
    filer.WriteId(entity.GetId());
    filer.WriteId(entity.GetOwnerId());
    filer.WriteString(entity.GetLayer());
    filer.WriteDouble(entity.GetScale());
    const auto& parameters = entity.GetParameters().Values();
    filer.WriteInt32(std::int32_t(parameters.size()));
    for (const auto& [id, value] : parameters) {
        filer.WriteInt32(id);
        WriteVariant(filer, value);
    }
    std::vector<ZnsStringW> names = entity.ExtPropertyNames();
    filer.WriteInt32(std::int32_t(names.size()));
    for (const ZnsStringW& name : names) {
        ZNSVariant value;
        entity.GetExtProperty(name, value);
        filer.WriteString(name);
        WriteVariant(filer, value);
    }
    entity.Save(filer);
    filer.EndRecord();
}

std::unique_ptr<Drawing> readHeader(BinaryFiler& filer, const TextStyles& styles) {
    std::int32_t major = 0, minor = 0, count = 0;
    std::uint64_t serial = 0, next = 0;
    if (FAILED(filer.ReadVersion(major, minor)) || major != 1 || !readSerial(filer, serial) ||
        !readSerial(filer, next))
        return nullptr;
    auto drawing = std::make_unique<Drawing>(styles, serial);
    drawing->SetNextSerial(next);
    if (!readCount(filer, count))
        return nullptr;
    for (std::int32_t i = 0; i < count; ++i) {
        Space space;
        if (FAILED(filer.ReadId(space.id)) || FAILED(filer.ReadString(space.name)))
            return nullptr;
        drawing->RestoreSpace(space);
    }
    znsWorkID current;
    if (FAILED(filer.ReadId(current)) || !drawing->IsSpace(current) || !readCount(filer, count))
        return nullptr;
    drawing->SetCurrentSpace(current);
    for (std::int32_t i = 0; i < count; ++i) {
        ZnsStringW layer;
        if (FAILED(filer.ReadString(layer)))
            return nullptr;
        drawing->AddLayer(layer);
    }
    if (!readCount(filer, count))
        return nullptr;
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t id = 0;
        ZNSVariant value;
        if (FAILED(filer.ReadInt32(id)) || FAILED(ReadVariant(filer, value)))
            return nullptr;
        drawing->DefaultValues()[id] = value;
    }
    return SUCCEEDED(filer.EndRecord()) ? std::move(drawing) : nullptr;
}

// Reads one envelope. False only when the file itself is damaged; an object that cannot be
// restored is reported in `skipped` and the reader moves past its envelope.
bool readObject(BinaryFiler& filer, const ClassRegistry& classes, Drawing& drawing,
                std::string& skipped) {
    std::int32_t major = 0, minor = 0, count = 0;
    ZnsStringW className, layer;
    znsWorkID id, owner;
    double scale = 1;
    size_t depth = filer.Depth();
    if (FAILED(filer.ReadVersion(major, minor)) || FAILED(filer.ReadString(className)) ||
        FAILED(filer.ReadId(id)) || FAILED(filer.ReadId(owner)) ||
        FAILED(filer.ReadString(layer)) || FAILED(filer.ReadDouble(scale)) ||
        !readCount(filer, count))
        return false;
    auto classId = ZnsGuid::parse(zn::toUtf8(className));
    HRESULT created = E_FAIL;
    ZnPtr<IZnObject> object = classId ? classes.Create(*classId, &created) : ZnPtr<IZnObject>();
    ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(object.get());
    auto skip = [&](const std::string& why) {
        skipped = "object " + std::to_string(id.index) + " (" + zn::toUtf8(className) + "): " + why;
        filer.UnwindTo(depth);
        return filer.Error().empty();
    };
    if (!entity)
        return skip("no class of that identifier is registered");
    entity->SetLayer(layer);
    entity->SetScale(scale);
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t parameter = 0;
        ZNSVariant value;
        if (FAILED(filer.ReadInt32(parameter)) || FAILED(ReadVariant(filer, value)))
            return false;
        entity->GetParameters().Set(parameter, value);
    }
    if (!readCount(filer, count))
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        ZnsStringW name;
        ZNSVariant value;
        if (FAILED(filer.ReadString(name)) || FAILED(ReadVariant(filer, value)))
            return false;
        entity->SetExtProperty(name, value);
    }
    if (!drawing.IsSpace(owner))
        return skip("its space does not exist");
    // The object knows its identifier while it reads its record (an object of an older
    // record names itself to whoever upgrades it), but not yet its drawing.
    entity->AttachToHost(nullptr, id, owner);
    HRESULT loaded = entity->Load(filer);
    if (FAILED(loaded) || !filer.Error().empty())
        entity->DetachFromHost();
    if (!filer.Error().empty())
        return false;
    if (FAILED(loaded))
        return skip(zn::formatA("the object refused its record (0x%08X)", unsigned(loaded)));
    filer.UnwindTo(depth);
    drawing.Restore(entity.get(), id, owner);
    return true;
}

} // namespace

std::vector<std::uint8_t> DrawingBytes(Drawing& drawing) {
    BinaryFiler filer;
    filer.WriteRaw(kMagic);
    writeHeader(filer, drawing);
    std::vector<IZnEntity*> objects = drawing.Objects();
    filer.WriteInt32(std::int32_t(objects.size()));
    for (IZnEntity* entity : objects)
        writeObject(filer, *entity);
    return filer.Bytes();
}

FileResult SaveDrawing(Drawing& drawing, const std::string& path) {
    FileResult result;
    std::vector<std::uint8_t> bytes = DrawingBytes(drawing);
    // Written beside the old file and renamed over it, so a failed save keeps the old one.
    try {
        zn::CSaveFile file(zn::fromUtf8(path), zn::CFile::modeCreate | zn::CFile::modeWrite);
        file.Write(bytes.data(), bytes.size());
        file.Close();
    } catch (const zn::CFileException& error) {
        result.error = "cannot save " + path + ": " + error.what() +
                       (error.m_lOsError ? std::string(" (") + std::strerror(error.m_lOsError) + ")"
                                         : std::string());
        return result;
    }
    drawing.SetModified(false);
    result.ok = true;
    return result;
}

FileResult LoadDrawing(const std::string& path, const ClassRegistry& classes,
                       const TextStyles& styles, std::unique_ptr<Drawing>& drawing) {
    FileResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "cannot open " + path + ": " + std::strerror(errno);
        return result;
    }
    BinaryFiler filer(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
    auto damaged = [&](const std::string& what) {
        result.error =
            path + ": " + (filer.Error().empty() ? what : filer.Error()) + " at byte " +
            std::to_string(filer.Error().empty() ? filer.Position() : filer.ErrorOffset());
        return result;
    };
    std::string magic;
    if (!filer.ReadRaw(kMagic.size(), magic) || magic != kMagic) {
        result.error = path + ": not a drawing file";
        return result;
    }
    std::unique_ptr<Drawing> loaded = readHeader(filer, styles);
    std::int32_t count = 0;
    if (!loaded || !readCount(filer, count))
        return damaged("damaged drawing header");
    for (std::int32_t i = 0; i < count; ++i) {
        std::string skipped;
        if (!readObject(filer, classes, *loaded, skipped))
            return damaged("damaged object record");
        if (!skipped.empty())
            result.warnings.push_back(skipped);
    }
    if (!filer.AtEnd())
        return damaged("unexpected data after the last object");
    loaded->SetModified(false);
    drawing = std::move(loaded);
    result.ok = true;
    return result;
}

} // namespace simhost
