// libFuzzer target over the BMP reader: every input is a picture file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Kvtr42C/Exception.h"
#include "platform/Bitmap.h"

using namespace znp;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TBitmap bitmap;
    try {
        bitmap.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const Exception&) {
        return 0;  // refused as no picture: the expected answer to most inputs
    }
    // A picture that was read can be written and read back the same.
    TBitmap copy;
    copy.LoadFromBytes(bitmap.SaveToBytes());
    if (!copy.SamePixels(bitmap)) __builtin_trap();
    (void)bitmap.Mask(bitmap.TransparentColor());
    return 0;
}
