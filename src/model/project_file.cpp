#include "model/project_file.h"

#include "model/atomic_file.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/regular_file.h"
#include "model/windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vendrix {

namespace {

// Number of items in each reserved block.
constexpr int kReservedCount = 100;
// No project file is anywhere near this size; a larger file is not read into memory.
constexpr std::size_t kLargestProjectBytes = 256u * 1024 * 1024;

// Length prefixes of texts: one byte below 0xFF, then 0xFF + 16-bit, then
// 0xFF 0xFFFF + 32-bit (and 0xFFFFFFFF + 64-bit). After 0xFF the 16-bit value
// 0xFFFE marks a UTF-16 text whose own length prefix follows.
constexpr std::uint8_t kLongerLength8 = 0xFF;
constexpr std::uint16_t kUtf16Marker = 0xFFFE;
constexpr std::uint16_t kLongerLength16 = 0xFFFF;
constexpr std::uint32_t kLongerLength32 = 0xFFFFFFFF;

// A message about the file; without a name its mark is simply left out.
Failure fileFailure(std::string text, const std::filesystem::path &fileName)
{
    if (fileName.empty()) {
        if (const std::size_t at = text.find(kFailurePathMark); at != std::string::npos)
            text.erase(at, 2);
    }
    return Failure::aboutFile(std::move(text), fileName);
}

// One archive for both directions: storing appends to a byte string, loading
// consumes a byte image. The field routine below calls the same operations in
// the same order either way, so reader and writer cannot drift apart. Once a
// load has failed every further operation does nothing.
class ProjectArchive
{
public:
    enum class Fault { None, Damaged, BadFormat, NewerVersion };

    ProjectArchive() = default; // storing
    explicit ProjectArchive(std::string_view image) // loading
        : m_loading(true)
        , m_image(image)
    { }

    bool isLoading() const { return m_loading; }
    bool failed() const { return m_fault != Fault::None; }
    Fault fault() const { return m_fault; }
    const std::string &stored() const { return m_stored; }

    void int32(int &value)
    {
        if (!m_loading) {
            putUnsigned(static_cast<std::uint32_t>(value), 4);
            return;
        }
        std::uint64_t raw = 0;
        if (takeUnsigned(raw, 4))
            value = static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(raw)));
    }

    void real(double &value)
    {
        if (!m_loading) {
            std::uint64_t raw = 0;
            std::memcpy(&raw, &value, sizeof raw);
            putUnsigned(raw, 8);
            return;
        }
        std::uint64_t raw = 0;
        if (takeUnsigned(raw, 8))
            std::memcpy(&value, &raw, sizeof value);
    }

    void text(std::string &value)
    {
        if (!m_loading) {
            putLength(value.size());
            m_stored += value;
            return;
        }
        bool utf16 = false;
        std::uint64_t length = 0;
        if (!takeLength(length, utf16))
            return;
        // Refuse a length beyond the end of the image before allocating anything.
        const std::size_t left = m_image.size() - m_position;
        if (length > left || (utf16 && length * 2 > left)) {
            fail(Fault::Damaged);
            return;
        }
        const auto bytes = static_cast<std::size_t>(utf16 ? length * 2 : length);
        const std::string_view raw = m_image.substr(m_position, bytes);
        m_position += bytes;
        value = utf16 ? utf16ToWindows1252(raw) : std::string(raw);
    }

    // An on/off switch, stored as 0 or 1; any other stored value reads as on.
    void flag(bool &value)
    {
        int stored = value ? 1 : 0;
        int32(stored);
        if (m_loading && !failed())
            value = stored != 0;
    }

    void unitSystem(UnitSystem &value)
    {
        bool english = value == UnitSystem::English;
        flag(english);
        value = english ? UnitSystem::English : UnitSystem::SI;
    }

    // A value that cannot belong to a project file.
    void refuse() { fail(Fault::BadFormat); }
    // A layout this program does not know yet.
    void refuseNewer() { fail(Fault::NewerVersion); }
    // Not a project, or one that ends early or goes on after its last field.
    void refuseDamaged() { fail(Fault::Damaged); }
    bool atEnd() const { return m_position == m_image.size(); }

private:
    void fail(Fault fault)
    {
        if (m_fault == Fault::None)
            m_fault = fault;
    }

    void putUnsigned(std::uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            m_stored += static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    bool takeUnsigned(std::uint64_t &value, int bytes)
    {
        if (failed())
            return false;
        if (m_image.size() - m_position < static_cast<std::size_t>(bytes)) {
            fail(Fault::Damaged);
            return false;
        }
        value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= std::uint64_t(static_cast<unsigned char>(m_image[m_position + i])) << (8 * i);
        m_position += static_cast<std::size_t>(bytes);
        return true;
    }

    void putLength(std::size_t length)
    {
        if (length < kLongerLength8) {
            putUnsigned(length, 1);
        } else if (length < kUtf16Marker) {
            putUnsigned(kLongerLength8, 1);
            putUnsigned(length, 2);
        } else {
            putUnsigned(kLongerLength8, 1);
            putUnsigned(kLongerLength16, 2);
            if (length < kLongerLength32) {
                putUnsigned(length, 4);
            } else {
                putUnsigned(kLongerLength32, 4);
                putUnsigned(length, 8);
            }
        }
    }

    // One byte, or 0xFF and the 16 bits after it.
    bool takeShortLength(std::uint64_t &length)
    {
        if (!takeUnsigned(length, 1))
            return false;
        if (length < kLongerLength8)
            return true;
        return takeUnsigned(length, 2);
    }

    bool takeLength(std::uint64_t &length, bool &utf16)
    {
        utf16 = false;
        if (!takeShortLength(length))
            return false;
        if (length == kUtf16Marker) {
            // UTF-16 text: its own length prefix follows, counting 2-byte units.
            utf16 = true;
            if (!takeShortLength(length))
                return false;
        }
        if (length < kLongerLength16)
            return true;
        if (!takeUnsigned(length, 4))
            return false;
        if (length < kLongerLength32)
            return true;
        return takeUnsigned(length, 8);
    }

    // Little-endian UTF-16 to Windows-1252; characters the code page lacks, and
    // unpaired surrogates, become '?'.
    static std::string utf16ToWindows1252(std::string_view raw)
    {
        std::string out;
        out.reserve(raw.size() / 2);
        auto unit = [&raw](std::size_t i) {
            return static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i])
                                         | (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
        };
        const std::size_t count = raw.size() / 2;
        for (std::size_t i = 0; i < count; ++i) {
            const char16_t u = unit(i);
            if (u >= 0xD800 && u < 0xDC00 && i + 1 < count && unit(i + 1) >= 0xDC00
                && unit(i + 1) < 0xE000) {
                out += '?'; // outside the basic plane: never in the code page
                ++i;
            } else if (u >= 0xD800 && u < 0xE000) {
                out += '?';
            } else {
                out += unicodeToWindows1252(u);
            }
        }
        return out;
    }

    bool m_loading = false;
    std::string_view m_image;
    std::size_t m_position = 0;
    std::string m_stored;
    Fault m_fault = Fault::None;
};

void reservedBlocks(ProjectArchive &ar, int version)
{
    for (int i = 0; i < kReservedCount; ++i) {
        int unused = 0;
        ar.int32(unused);
    }
    for (int i = 0; i < kReservedCount; ++i) {
        double unused = 0.0;
        ar.real(unused);
    }
    for (int i = 0; i < kReservedCount; ++i) {
        std::string unused;
        ar.text(unused);
    }
    if (version > 10) {
        std::string unused;
        ar.text(unused);
    }
}

// The objective, stored as 0, 1 or 2.
void serializeAnalysisType(ProjectArchive &ar, TubeInput &in)
{
    int analysisType = static_cast<int>(in.analysisType);
    ar.int32(analysisType);
    if (ar.isLoading() && !ar.failed()) {
        // Every part of the program switches over the three objectives; another
        // value can only come from a damaged file.
        if (analysisType < 0 || analysisType > 2)
            ar.refuse();
        else
            in.analysisType = static_cast<AnalysisType>(analysisType);
    }
}

void serializeField(ProjectArchive &ar, ProjectRecord &record, const FieldEntry &entry)
{
    switch (entry.kind) {
    case FieldKind::Number:
        ar.real(*entry.number(record));
        break;
    case FieldKind::Flag:
        ar.flag(*entry.flag(record));
        break;
    case FieldKind::Text:
        ar.text(*entry.text(record));
        break;
    case FieldKind::Choice:
        if (entry.id == FieldId::AnalysisType)
            serializeAnalysisType(ar, record.input);
        else // englishUnits
            ar.unitSystem(record.display.unitSystem);
        break;
    }
}

// The saved fields in the order of the file, as the field table places them.
const std::vector<const FieldEntry *> &fieldsInFileOrder()
{
    static const std::vector<const FieldEntry *> order = [] {
        std::vector<const FieldEntry *> saved;
        for (const FieldEntry &entry : recordFields()) {
            if (entry.inProjectFile())
                saved.push_back(&entry);
        }
        std::sort(saved.begin(), saved.end(), [](const FieldEntry *a, const FieldEntry *b) {
            return a->file.order < b->file.order;
        });
        return saved;
    }();
    return order;
}

// Versions ever written start at 1; a later one stays below this. Any other
// first number means the file is something else.
constexpr int kOldestProjectVersion = 1;
constexpr int kLatestConceivableVersion = 99;

// What a new project holds.
const ProjectRecord &newProjectRecord()
{
    static const ProjectRecord fresh;
    return fresh;
}

// A field after the reserved blocks; all of them are numbers.
bool isTrailing(const FieldEntry &entry)
{
    return entry.file.sinceVersion > kLastVersionBeforeTrailingFields;
}

// The fields before or after the reserved blocks that `version` holds. A field
// a loaded file lacks keeps its value in memory, but one that follows the
// reserved blocks takes a new project's: the file was written with it so.
void serializeFieldRun(ProjectArchive &ar, ProjectRecord &record, int version, bool trailing)
{
    for (const FieldEntry *entry : fieldsInFileOrder()) {
        if (isTrailing(*entry) != trailing)
            continue;
        if (version >= entry->file.sinceVersion)
            serializeField(ar, record, *entry);
        else if (trailing && ar.isLoading() && !ar.failed())
            *entry->number(record) = storedRecordValue(newProjectRecord(), entry->id);
    }
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The oldest version that holds every value of `record`: one whose later
// fields all hold a new project's values is written as version 11, byte for
// byte as before those fields existed.
int versionToWrite(const ProjectRecord &record)
{
    int version = kLastVersionBeforeTrailingFields;
    for (const FieldEntry *entry : fieldsInFileOrder()) {
        if (isTrailing(*entry) && entry->file.sinceVersion > version
            && !sameBits(storedRecordValue(record, entry->id),
                         storedRecordValue(newProjectRecord(), entry->id)))
            version = entry->file.sinceVersion;
    }
    return version;
}

// The one field order of the project file, used for storing and loading.
void serializeFields(ProjectArchive &ar, ProjectRecord &record)
{
    int version = ar.isLoading() ? kProjectFormatVersion : versionToWrite(record);
    ar.int32(version);
    // A later version may have added or moved fields: reading it as this one
    // would silently put values into the wrong fields.
    if (version < kOldestProjectVersion || version > kLatestConceivableVersion)
        ar.refuseDamaged();
    else if (version > kProjectFormatVersion)
        ar.refuseNewer();
    serializeFieldRun(ar, record, version, false);
    reservedBlocks(ar, version);
    serializeFieldRun(ar, record, version, true);
    if (ar.isLoading() && !ar.atEnd())
        ar.refuseDamaged();
}

// The first number field holding NaN or an infinity, or nullptr. Every rule
// and every result assumes finite inputs, so such a file is never taken in.
const char *nonFiniteField(ProjectRecord &record)
{
    for (const FieldEntry &entry : recordFields()) {
        if (entry.kind == FieldKind::Number && !std::isfinite(*entry.number(record)))
            return entry.name;
    }
    return nullptr;
}

// What no dialog would have stored: a subnormal number, whose digits are lost
// and whose quotients overflow, or a text longer than its field, which no page
// or drawing has room for.
std::optional<Failure> unusableField(ProjectRecord &record, const std::filesystem::path &fileName)
{
    for (const FieldEntry &entry : recordFields()) {
        const char *message = nullptr;
        if (entry.kind == FieldKind::Number) {
            const double value = *entry.number(record);
            if (value != 0 && !std::isnormal(value))
                message = kSubnormalMessage;
        } else if (entry.kind == FieldKind::Text && entry.inProjectFile()
                   && checkTextLength(entry.id, *entry.text(record))) {
            message = kTextTooLongMessage;
        }
        if (message) {
            std::string text = message;
            text.replace(text.find("%2"), 2, entry.name);
            if (const std::size_t at = text.find("%3"); at != std::string::npos)
                text.replace(at, 2, std::to_string(entry.maxLength));
            return fileFailure(std::move(text), fileName);
        }
    }
    return std::nullopt;
}

} // namespace

std::string serializeProject(const ProjectRecord &record)
{
    ProjectArchive ar;
    ProjectRecord copy = record;
    serializeFields(ar, copy);
    return ar.stored();
}

namespace {

// Why a file could not be opened, from the error number of the attempt.
Failure openingFailure(const std::filesystem::path &path, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return Failure::aboutFile(kCannotFindFileMessage, path);
    if (error == EACCES || error == EPERM)
        return Failure::aboutFile(kAccessDeniedMessage, path);
    if (error == EISDIR || error == EINVAL)
        return Failure::aboutFile(kNotRegularFileMessage, path);
    return Failure::aboutFile(std::string("Cannot open \"%1\": ") + std::strerror(error), path);
}

} // namespace

std::optional<Failure> deserializeProject(std::string_view bytes, ProjectRecord &record,
                                          const std::filesystem::path &fileName)
{
    // Read into a copy so that a refused file changes nothing.
    ProjectRecord loaded = record;
    ProjectArchive ar(bytes);
    serializeFields(ar, loaded);
    switch (ar.fault()) {
    case ProjectArchive::Fault::None:
        if (const char *field = nonFiniteField(loaded)) {
            std::string message = kNotFiniteMessage;
            message.replace(message.find("%2"), 2, field);
            return fileFailure(std::move(message), fileName);
        }
        record = std::move(loaded);
        return std::nullopt;
    case ProjectArchive::Fault::NewerVersion:
        return fileFailure(kNewerVersionMessage, fileName);
    case ProjectArchive::Fault::Damaged:
        return fileFailure(kNotAProjectMessage, fileName);
    case ProjectArchive::Fault::BadFormat:
        break;
    }
    return Failure::plain(kUnexpectedFileFormat);
}

std::optional<Failure> openProjectFile(const std::filesystem::path &path, ProjectRecord &record)
{
    // Only a regular file has an end: a directory, FIFO or device is no project,
    // and it is refused without waiting for it.
    std::FILE *file = openRegularFile(path);
    if (!file)
        return openingFailure(path, errno);
    std::string bytes;
    bool truncated = false;
    if (auto failure = readAndClose(file, path, bytes, kLargestProjectBytes, truncated))
        return failure;
    if (truncated)
        return Failure::plain(kUnexpectedFileFormat);

    ProjectRecord opened = record;
    if (auto failure = deserializeProject(bytes, opened, path))
        return failure;
    if (auto failure = unusableField(opened, path))
        return failure;
    opened.info.projectPath = path;
    opened.state.resultsValid = false;
    record = std::move(opened);
    return std::nullopt;
}

std::optional<Failure> saveProjectFile(const std::filesystem::path &path,
                                       const ProjectRecord &record)
{
    return writeFileAtomically(path, serializeProject(record));
}

} // namespace vendrix
