"""The real kolvi window under X: the field, strip and slider as drawn on the
screen, in each picker mode."""

import unittest

from colour_formulas import field_pixel, strip_pixel
from kolvi_session import FIELD, STRIP, Session, locate_panel

def differences(image, origin, mode):
    """Every screen pixel of the field, strip, slider tip and swatch that is not
    what the formulas give for the start colour, pure red (marker at (255, 0))."""
    px, py = origin
    found = []
    for y in range(0, 256, 3):
        for x in range(0, 256, 3):
            if abs(x - 255) <= 4 and y <= 4:
                continue  # the marker ring
            expected = field_pixel(mode, (255, 0, 0), x, y)
            actual = image.at(px + FIELD[0] + x, py + FIELD[1] + y)
            if actual != expected:
                found.append(("field", (x, y), expected, actual))
    for y in range(253):
        for x in (0, 15):
            actual = image.at(px + STRIP[0] + x, py + STRIP[1] + y)
            if actual != strip_pixel(mode, y):
                found.append(("strip", (x, y), strip_pixel(mode, y), actual))
    # The slider's tip touches strip row 0; the swatch shows the colour under the marker.
    for name, at, expected in (("slider tip", (346, 12), (0, 0, 0)),
                               ("swatch", (282, 240), field_pixel(mode, (255, 0, 0), 255, 0))):
        actual = image.at(px + at[0], py + at[1])
        if actual != expected:
            found.append((name, at, expected, actual))
    return found


class PickerWindowTest(unittest.TestCase):
    def test_field_and_strip_follow_the_formulas_in_every_mode(self):
        with Session() as session:
            session.start_kolvi()
            window = session.main_window()
            session.settle(1.0)
            for mode, key in ((0, "F1"), (1, "F2"), (2, "F3"), (0, "F1")):
                with self.subTest(mode=mode):
                    session.key(window, key)
                    # The screen settles once the render is painted; a slow
                    # machine only takes longer.
                    last = []

                    def settled():
                        image = session.screenshot()
                        try:
                            panel = locate_panel(image, session.client_origin(window), mode)
                        except AssertionError as error:
                            last[:] = [str(error)]
                            return False
                        last[:] = differences(image, panel, mode)
                        return not last
                    try:
                        session.wait_for(settled, "the mode's pixels", timeout=15)
                    except AssertionError:
                        self.fail("pixels differ from the formulas: %r" % last[:5])


if __name__ == "__main__":
    unittest.main()
