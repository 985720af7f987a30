#pragma once

#include "app/ApplicationWindows.h"
#include "app/TForm1.h"
#include "platform/InstanceChannel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
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

    void Open(std::vector<std::string> arguments = {},
              std::unique_ptr<InstanceChannel> instance = CreateInstanceChannel()) {
        form = std::make_unique<TForm1>(std::move(arguments), std::move(instance),
                                        SettingsFiles{SettingsPath(), SettingsPath(), {}});
        form->ShowAtStart();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Windows().FrontWindow()));
    }
    QString SettingsPath() const { return folder.filePath("kolvi.ini"); }
    // A control of the window by its name, as a user would point at it.
    template <class W> W* Control(const char* name) const {
        W* found = form->findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) {
            ADD_FAILURE() << "no control " << name;
        }
        return found;
    }
    // The notation chosen from the code box's list.
    void ChooseNotation(int index) {
        auto* combo = Control<QComboBox>("ComboBoxMainColor");
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }

    QTemporaryDir folder;
    QColor PixelOf(QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); }

    std::unique_ptr<TForm1> form;
};

} // namespace kolvi
