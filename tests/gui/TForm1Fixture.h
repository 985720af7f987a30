#pragma once

#include "app/TForm1.h"
#include "platform/InstanceChannel.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kolvi {

// A real main window, shown under the offscreen platform.
struct TForm1Fixture : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm1>(std::vector<std::string>{}, CreateInstanceChannel());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }

    QColor PixelOf(QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); }

    std::unique_ptr<TForm1> form;
};

} // namespace kolvi
