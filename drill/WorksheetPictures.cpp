#include "drill/WorksheetPictures.h"

Picture* WorksheetPictures::image(int k) {
    if (k < 1 || k > count())
        return nullptr;
    return &images[k];
}

const Picture* WorksheetPictures::image(int k) const {
    if (k < 1 || k > count())
        return nullptr;
    return &images[k];
}

void WorksheetPictures::resize(int imageCount) {
    images.assign(imageCount + 1, Picture{});
    imgBOXX = Picture{};
    imgBOXY = Picture{};
}
