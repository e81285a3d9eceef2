#include "model/project_file.h"

#include "model/atomic_file.h"
#include "model/field_table.h"
#include "model/regular_file.h"
#include "model/windows1252.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

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

std::string replaceFileName(const char *text, const std::string &fileName)
{
    std::string result(text);
    const std::size_t at = result.find("%1");
    if (at != std::string::npos)
        result.replace(at, 2, fileName);
    return result;
}

// One archive for both directions: storing appends to a byte string, loading
// consumes a byte image. The field routine below calls the same operations in
// the same order either way, so reader and writer cannot drift apart. Once a
// load has failed every further operation does nothing.
class ProjectArchive
{
public:
    enum class Failure { None, PastEnd, BadFormat, NewerVersion };

    ProjectArchive() = default; // storing
    explicit ProjectArchive(std::string_view image) // loading
        : m_loading(true)
        , m_image(image)
    { }

    bool isLoading() const { return m_loading; }
    bool failed() const { return m_failure != Failure::None; }
    Failure failure() const { return m_failure; }
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
            fail(Failure::PastEnd);
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
    void refuse() { fail(Failure::BadFormat); }
    // A layout this program does not know yet.
    void refuseNewer() { fail(Failure::NewerVersion); }

private:
    void fail(Failure failure)
    {
        if (m_failure == Failure::None)
            m_failure = failure;
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
            fail(Failure::PastEnd);
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

    bool takeLength(std::uint64_t &length, bool &utf16)
    {
        utf16 = false;
        if (!takeUnsigned(length, 1))
            return false;
        if (length < kLongerLength8)
            return true;
        if (!takeUnsigned(length, 2))
            return false;
        if (length == kUtf16Marker) {
            // UTF-16 text: its own length prefix follows, counting 2-byte units.
            utf16 = true;
            if (!takeUnsigned(length, 1))
                return false;
            if (length < kLongerLength8)
                return true;
            if (!takeUnsigned(length, 2))
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
    Failure m_failure = Failure::None;
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

// The one field order of the project file, used for storing and loading.
void serializeFields(ProjectArchive &ar, ProjectRecord &record)
{
    TubeInput &in = record.input;
    ProjectInfo &info = record.info;
    DisplaySettings &display = record.display;

    int version = kProjectFormatVersion;
    ar.int32(version);
    // A later version may have added or moved fields: reading it as this one
    // would silently put values into the wrong fields.
    if (version > kProjectFormatVersion)
        ar.refuseNewer();
    ar.unitSystem(display.unitSystem);
    ar.text(display.currencyUnit);
    ar.flag(display.printBlackWhite);
    ar.text(info.dateTime);
    ar.text(info.description);
    ar.text(info.designer);
    ar.text(info.projectNumber);
    ar.text(info.title);
    if (version > 10) {
        ar.text(info.client);
        ar.text(info.companyName);
        ar.text(info.companyState);
        ar.text(info.companyStreet1);
        ar.text(info.companyStreet2);
        ar.text(info.companyCity);
        ar.text(info.companyZip);
        ar.text(info.projectNumberSuffix);
        ar.text(info.companyEmail);
        ar.text(info.companyFax);
        ar.text(info.companyPhone);
        ar.text(info.stationNumber);
        ar.text(info.logoPath);
        ar.flag(info.includeLogo);
        ar.flag(display.asianPacific);
    }
    ar.real(in.circumference);
    ar.flag(in.twoSlurryLayers);
    ar.real(in.slurryUnitWeightLower);
    ar.real(in.slurryUnitWeightUpper);
    ar.real(in.fluidUnitWeightLower);
    ar.real(in.fluidUnitWeightUpper);
    ar.real(in.slurryHeightLower);
    ar.real(in.fluidHeightLower);
    ar.real(in.rfInstallationDamage);
    ar.real(in.rfDurability);
    ar.real(in.rfCreep);
    ar.real(in.rfSeamCircumferential);
    ar.real(in.rfSeamAxial);

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

    ar.real(in.ultimateStrength);
    ar.real(in.desiredMaxHeight);
    ar.real(in.pumpingPressure);
    ar.real(in.transportUnitWeight);
    ar.real(in.specificGravitySolids);
    ar.real(in.consolidatedUnitWeight);
    ar.text(in.costPerUnitArea);
    ar.text(in.quantityRemarks);
    ar.real(in.tubeLength);
    reservedBlocks(ar, version);
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

} // namespace

std::string serializeProject(const ProjectRecord &record)
{
    ProjectArchive ar;
    ProjectRecord copy = record;
    serializeFields(ar, copy);
    return ar.stored();
}

bool deserializeProject(std::string_view bytes, ProjectRecord &record, std::string &message,
                        const std::string &fileName)
{
    // Read into a copy so that a refused file changes nothing.
    ProjectRecord loaded = record;
    ProjectArchive ar(bytes);
    serializeFields(ar, loaded);
    switch (ar.failure()) {
    case ProjectArchive::Failure::None:
        if (const char *field = nonFiniteField(loaded)) {
            message = replaceFileName(kNotFiniteMessage, fileName);
            message.replace(message.find("%2"), 2, field);
            return false;
        }
        record = std::move(loaded);
        return true;
    case ProjectArchive::Failure::NewerVersion:
        message = replaceFileName(kNewerVersionMessage, fileName);
        return false;
    case ProjectArchive::Failure::PastEnd:
        message = replaceFileName(kPastEndMessage, fileName);
        return false;
    case ProjectArchive::Failure::BadFormat:
        message = kUnexpectedFileFormat;
        return false;
    }
    return false;
}

bool openProjectFile(const std::string &path, ProjectRecord &record, std::string &message)
{
    // Only a regular file has an end: a directory, FIFO or device is no project,
    // and it is refused without waiting for it.
    std::FILE *file = openRegularFile(path);
    if (!file) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            message = replaceFileName(kCannotFindFileMessage, path);
        else if (error == EACCES || error == EPERM)
            message = replaceFileName(kAccessDeniedMessage, path);
        else if (error == EISDIR || error == EINVAL)
            message = replaceFileName(kNotRegularFileMessage, path);
        else
            message = "Cannot open \"" + path + "\": " + std::strerror(error);
        return false;
    }
    std::string bytes;
    bool truncated = false;
    const bool read = readOpenFile(file, bytes, kLargestProjectBytes, truncated);
    const int readError = read ? 0 : errno;
    std::fclose(file);
    if (!read) {
        message = "Cannot read \"" + path + "\": " + std::strerror(readError);
        return false;
    }
    if (truncated) {
        message = kUnexpectedFileFormat;
        return false;
    }

    ProjectRecord opened = record;
    if (!deserializeProject(bytes, opened, message, path))
        return false;
    opened.info.projectPath = path;
    opened.state.resultsValid = false;
    record = std::move(opened);
    return true;
}

bool saveProjectFile(const std::string &path, const ProjectRecord &record, std::string &message)
{
    return writeFileAtomically(path, serializeProject(record), message);
}

} // namespace vendrix
