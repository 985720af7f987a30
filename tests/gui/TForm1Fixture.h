#pragma once

#include "app/TForm1.h"
#include "platform/InstanceChannel.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kolvi {

// A real main window, shown under the offscreen platform, with its settings
// file in a private folder.
struct TForm1Fixture : ::testing::Test {
    void SetUp() override { Open(); }
    void TearDown() override { form.reset(); }

    void Open(std::vector<std::string> arguments = {}) {
        form = std::make_unique<TForm1>(std::move(arguments), CreateInstanceChannel(),
                                        SettingsFiles{SettingsPath(), SettingsPath(), {}});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QString SettingsPath() const { return folder.filePath("kolvi.ini"); }

    QTemporaryDir folder;
    QColor PixelOf(QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); }

    std::unique_ptr<TForm1> form;
};

} // namespace kolvi
