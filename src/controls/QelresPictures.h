// The pictures built into the picture library: BMP files by number, generated together with
// data/pictures/ by tools/make_pictures.py.
#pragma once

#include <cstddef>

namespace znp {

struct ShippedPicture {
    int Id;
    const unsigned char* Data;
    std::size_t Size;
};

extern const ShippedPicture kShippedPictures[];
extern const int kShippedPictureCount;

}  // namespace znp
