// The logo bitmap decoder on any bytes: every read stays inside the given
// bytes (checked by the address sanitizer) and a decoded picture is complete.
#include "fuzz_check.h"
#include "model/dib_file.h"

#include <cstddef>
#include <cstdint>

using namespace vendrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    DibPicture picture;
    // A small pixel limit keeps every run quick; the checks are the same.
    if (!decodeDib(bytes, picture, 1 << 20)) {
        fuzz::require(picture.empty(), "a refused bitmap gives no picture");
        return 0;
    }
    fuzz::require(picture.width > 0 && picture.height > 0, "a picture has a size");
    fuzz::require(picture.pixels.size()
                      == static_cast<std::size_t>(picture.width)
                          * static_cast<std::size_t>(picture.height),
                  "every pixel is decoded");
    fuzz::require(picture.colourTable.size() == static_cast<std::size_t>(picture.colourCount),
                  "the colour table has its count");
    return 0;
}
