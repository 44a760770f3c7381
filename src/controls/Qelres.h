// The picture library of the suite (Qelres): numbered pictures for the kit's picture buttons.
//
// A picture holds one or more images of equal width side by side, each as wide as the picture is
// high (a button takes width / height images: up, disabled ...). The library is part of the
// module, as the suite's library is linked with it at load time: its pictures are built in
// (QelresPictures.cpp, drawn by tools/make_pictures.py and shipped as data/pictures/*.bmp too).
//
// Numbers the forms use: 4 clear a list (two images), 8 the general lookup, 9 the date quick
// pick, 39 users, 47 delete one entry, 81 notes; 90 the scheme pane's tool bar and small list
// images (18 x 18: scheme, save, open, delete, view) and 91 its large list image (24 x 24).
// Numbers between them hold no picture.
#pragma once

#include <memory>

#include "platform/Bitmap.h"

namespace znp {

class TPictureLibrary {
public:
    virtual ~TPictureLibrary() = default;
    // The highest picture number the library holds.
    virtual int GetMaxBmpID() const = 0;
    // Puts picture Index into Bitmap; false when there is no such picture. A damaged picture
    // raises.
    virtual bool LoadBmp(TBitmap& bitmap, int index) const = 0;
};

// The library's two functions, on the library in use.
int GetMaxBmpID();
bool LoadBmp(TBitmap& bitmap, int index);

// The library in use: the built-in one, or one set by SetPictureLibrary (a test's fake); null
// gives the built-in one back.
const TPictureLibrary& PictureLibrary();
void SetPictureLibrary(std::shared_ptr<const TPictureLibrary> library);

}  // namespace znp
