#pragma once

#include "BaseStrip.h"
#include "Bitmap24.h"
#include "BitmapCanvas.h"
#include "ColorValue.h"
#include "FieldRenderer.h"
#include "QuantTables.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kolvi {

inline constexpr int SliderWidth = 12;
inline constexpr int SliderHeight = 263;

// What the picker tells the window that shows it.
class PickerListener {
  public:
    virtual ~PickerListener() = default;
    // The field pixel under the marker became the current colour.
    virtual void CurrentColorSet(TColor color) = 0;
    virtual void BaseColorSet(TColor color) = 0;
    // A render finished: the field bitmap holds a new image.
    virtual void FieldImageChanged() = 0;
    // The marker moved (after every render too): the ring is new, the field is not.
    virtual void MarkerPlaced() = 0;
    virtual void StripImageChanged() = 0;
    virtual void SliderImageChanged() = 0;
    // Called after every rendered field row (`row` rows are done); pending
    // input may run here. A render requested meanwhile replaces the running
    // one: that stops after this row, and the newest request is rendered.
    virtual void FieldRowRendered(int row) = 0;
};

// The picker state and the algorithms that turn a colour into a strip row and a
// field position and back: the current colour is always the field pixel under
// the marker.
class ColorPicker {
  public:
    explicit ColorPicker(PickerListener& listener);

    ColorPicker(const ColorPicker&) = delete;
    ColorPicker& operator=(const ColorPicker&) = delete;

    void SetColor(TColor color);
    void SetColorRGB(int r, int g, int b);
    int FieldPosition(int maxValue, int midValue, int minValue);

    // The strip row chosen by the strip, its frame or the slider.
    void SelectStripRow(int row, bool follow);
    // The marker moved to a field position (clamped to the field).
    void MoveMarker(int x, int y);
    // Takes effect with ApplyMode.
    void SetPickerMode(std::int16_t mode) { pickerMode_ = mode; }

    void BuildQuantTables();
    void RenderBaseStrip();
    void RenderField(TColor base, bool follow);
    void PlaceMarker();
    void SelectBaseRow(bool follow);
    void SelectBaseHue(int r, int g, int b);
    void DrawSlider();
    // Tables, strip and field for PickerMode; the marker keeps its position.
    void ApplyMode();

    TColor CurrentColor() const { return currentColor_; }
    TColor BaseColor() const { return baseColor_; }
    const QuantTables& Tables() const { return tables_; }

    // The off-screen field (colour reads) and the marker ring the window draws
    // over it, so moving the marker touches 24 pixels instead of the field.
    const Bitmap24& FieldBitmap() const { return field_; }
    const std::vector<Point>& MarkerPixels() const { return markerPixels_; }
    TColor MarkerPen() const { return markerPen_; }
    const Bitmap24& StripBitmap() const { return strip_; }
    const Bitmap24& SliderImage() const { return slider_; }

    std::int16_t PickerMode() const { return pickerMode_; }
    int BaseRow() const { return baseRow_; }
    int FieldX() const { return fieldX_; }
    int FieldY() const { return fieldY_; }
    bool RenderBusy() const { return renderBusy_; }

  private:
    struct RenderRequest {
        TColor base;
        bool follow;
    };

    // False when a newer request stopped it before its last row.
    bool RenderWholeField(TColor base);
    void SetCurrentColor(TColor color);
    void SetBaseColor(TColor color);

    PickerListener& listener_;
    QuantTables tables_;
    FieldRenderer renderer_;
    Bitmap24 field_{FieldSize, FieldSize};
    std::vector<Point> markerPixels_;
    TColor markerPen_ = 0;
    Bitmap24 strip_{StripWidth, StripHeight};
    Bitmap24 slider_{SliderWidth, SliderHeight};
    std::optional<RenderRequest> pending_;
    std::int16_t pickerMode_ = FullColorMode;
    int baseRow_ = 0;
    int fieldX_ = 0;
    int fieldY_ = 0;
    bool renderBusy_ = false;
    TColor currentColor_ = 0;
    TColor baseColor_ = 0;
};

} // namespace kolvi
