#include "controls/Qelres.h"

#include <algorithm>
#include <string_view>

#include "controls/QelresPictures.h"

namespace znp {

namespace {

class BuiltInPictures : public TPictureLibrary {
public:
    int GetMaxBmpID() const override {
        int max = 0;
        for (int i = 0; i < kShippedPictureCount; ++i) max = std::max(max, kShippedPictures[i].Id);
        return max;
    }
    bool LoadBmp(TBitmap& bitmap, int index) const override {
        for (int i = 0; i < kShippedPictureCount; ++i) {
            const ShippedPicture& p = kShippedPictures[i];
            if (p.Id != index) continue;
            bitmap.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(p.Data), p.Size));
            return true;
        }
        return false;
    }
};

std::shared_ptr<const TPictureLibrary>& Current() {
    static std::shared_ptr<const TPictureLibrary> library = std::make_shared<BuiltInPictures>();
    return library;
}

}  // namespace

const TPictureLibrary& PictureLibrary() { return *Current(); }

void SetPictureLibrary(std::shared_ptr<const TPictureLibrary> library) {
    Current() = library ? std::move(library) : std::make_shared<BuiltInPictures>();
}

int GetMaxBmpID() { return PictureLibrary().GetMaxBmpID(); }
bool LoadBmp(TBitmap& bitmap, int index) { return PictureLibrary().LoadBmp(bitmap, index); }

}  // namespace znp
