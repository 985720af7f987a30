#include "Bitmap24.h"

#include <algorithm>

namespace kolvi {

Bitmap24::Bitmap24(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      stride_((static_cast<std::size_t>(width_) * 3 + 3) & ~std::size_t{3}),
      bytes_(stride_ * static_cast<std::size_t>(height_)) {}

void Bitmap24::SetPixel(int x, int y, TColor rgb) {
    if (!Contains(x, y)) {
        return;
    }
    std::uint8_t* pixel = Row(y) + static_cast<std::size_t>(x) * 3;
    pixel[0] = static_cast<std::uint8_t>(rgb >> 16);
    pixel[1] = static_cast<std::uint8_t>(rgb >> 8);
    pixel[2] = static_cast<std::uint8_t>(rgb);
}

void Bitmap24::Fill(TColor rgb) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            SetPixel(x, y, rgb);
        }
    }
}

TColor PixelAt(const Bitmap24* bitmap, int x, int y) {
    if (bitmap == nullptr || !bitmap->Contains(x, y)) {
        return clBtnFace;
    }
    const std::uint8_t* pixel = bitmap->Row(y) + static_cast<std::size_t>(x) * 3;
    return MakeColor(pixel[2], pixel[1], pixel[0]);
}

} // namespace kolvi
