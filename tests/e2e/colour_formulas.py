"""The field and strip formulas written out independently of kolvi's code, so
that screenshots can be checked against them."""


def quant_table(mode, channel):
    table = []
    for i in range(256):
        if mode == 1:
            q = i // 51
            if q < 5 and i % 51 > 25:
                q += 1
            table.append(q * 51)
        elif mode == 2 and channel == "b":
            q = i // 85
            if q < 3 and i % 85 > 42:
                q += 1
            table.append(q * 85)
        elif mode == 2:
            levels = [(0, 0), (18, 36), (54, 73), (91, 109), (127, 146), (164, 182), (200, 219),
                      (237, 255)]
            table.append([value for first, value in levels if i >= first][-1])
        else:
            table.append(i)
    return table


def tables(mode):
    return {c: quant_table(mode, c) for c in "rgb"}


def strip_pixel(mode, y):
    q = tables(mode)
    t = lambda s: ((y - s) * 256) // 42
    if y < 42:
        return 255, 0, q["b"][t(0)]
    if y < 84:
        return q["r"][255 - t(42)], 0, 255
    if y < 126:
        return 0, q["g"][t(84)], 255
    if y < 168:
        return 0, 255, q["b"][255 - t(126)]
    if y < 210:
        return q["r"][t(168)], 255, 0
    if y < 252:
        return 255, q["g"][255 - t(210)], 0
    return 255, 0, 0


def field_pixel(mode, base, x, y):
    q = tables(mode)
    out = []
    for channel, value in zip("rgb", base):
        c0 = q[channel][value]
        e = 255 - (x * (255 - c0)) // 255
        out.append(q[channel][e - (y * e) // 255])
    return tuple(out)
