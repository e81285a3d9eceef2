// The project file reader on any bytes: it must accept or refuse without a
// fault, a refused file must leave the record untouched, and an accepted one
// must hold only finite numbers and survive a save and re-open unchanged.
#include "fuzz_check.h"
#include "model/field_table.h"
#include "model/project_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace vendrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const ProjectRecord initial;
    const std::string initialBytes = serializeProject(initial);
    ProjectRecord record = initial;
    if (const auto failure = deserializeProject(bytes, record, "fuzz.Vdx")) {
        fuzz::require(!failure->messageText.empty(), "a refused file has a message");
        fuzz::require(serializeProject(record) == initialBytes, "a refused file changes nothing");
        return 0;
    }
    for (const FieldEntry &entry : recordFields()) {
        if (entry.kind == FieldKind::Number)
            fuzz::require(std::isfinite(*entry.number(record)), "accepted numbers are finite");
    }
    const std::string saved = serializeProject(record);
    ProjectRecord reopened;
    fuzz::require(!deserializeProject(saved, reopened, "fuzz.Vdx"), "a saved project opens again");
    fuzz::require(serializeProject(reopened) == saved, "save and open round trip");
    return 0;
}
