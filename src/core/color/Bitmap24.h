#pragma once

#include "ColorValue.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kolvi {

// A 24-bit off-screen image: each pixel is the bytes blue, green, red; rows are
// padded to four bytes so the UI can show it without copying pixel by pixel.
class Bitmap24 {
  public:
    Bitmap24(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::size_t Stride() const { return stride_; }
    std::uint8_t* Row(int y) { return bytes_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* Row(int y) const {
        return bytes_.data() + static_cast<std::size_t>(y) * stride_;
    }
    const std::uint8_t* Bytes() const { return bytes_.data(); }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Writes a pixel; points outside the bitmap are ignored.
    void SetPixel(int x, int y, TColor rgb);
    void Fill(TColor rgb);

  private:
    int width_;
    int height_;
    std::size_t stride_;
    std::vector<std::uint8_t> bytes_;
};

// The pixel at (x, y) as R | G << 8 | B << 16; clBtnFace for a missing bitmap or
// a point outside it.
TColor PixelAt(const Bitmap24* bitmap, int x, int y);

} // namespace kolvi
