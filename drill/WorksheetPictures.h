#pragma once
// The worksheet's pictures: Image1 … Image<imageCount> and the answer
// group's pictures, each a picture description (picture/Picture.h).

#include <vector>

#include "picture/Picture.h"

struct WorksheetPictures {
    std::vector<Picture> images;  // images[k] is Image k; entry 0 unused
    Picture imgBOXX;              // the answer in the answer group grbKai
    Picture imgBOXY;

    // Image k, or nullptr when there is no such picture.
    Picture* image(int k);
    const Picture* image(int k) const;
    int count() const { return images.empty() ? 0 : static_cast<int>(images.size()) - 1; }
    // Makes `imageCount` empty pictures.
    void resize(int imageCount);
};
