// A picture library for the button tests: pictures by number, numbers whose loading fails, and a
// count of the loads; installed for the life of the object.
#pragma once

#include <map>
#include <set>
#include <stdexcept>

#include "controls/Qelres.h"

namespace znp::test {

class FakePictures : public TPictureLibrary {
public:
    int GetMaxBmpID() const override { return MaxId; }
    bool LoadBmp(TBitmap& bitmap, int index) const override {
        ++Loads;
        if (Broken.count(index)) throw std::runtime_error("damaged picture");
        auto found = Pictures.find(index);
        if (found == Pictures.end()) return false;
        bitmap.Assign(found->second);
        return true;
    }
    int MaxId = 50;
    std::map<int, TBitmap> Pictures;
    std::set<int> Broken;
    mutable int Loads = 0;
};

class ScopedPictures {
public:
    ScopedPictures() : fake_(std::make_shared<FakePictures>()) { SetPictureLibrary(fake_); }
    ~ScopedPictures() { SetPictureLibrary(nullptr); }
    ScopedPictures(const ScopedPictures&) = delete;
    ScopedPictures& operator=(const ScopedPictures&) = delete;
    FakePictures& operator*() const { return *fake_; }
    FakePictures* operator->() const { return fake_.get(); }

private:
    std::shared_ptr<FakePictures> fake_;
};

}  // namespace znp::test
