// The Qt main window under test over sandboxed folders, its widgets found by the names of the
// control table.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "app/target_table.h"
#include "qt/main_window.h"
#include "support/cycle_folder.h"
#include "support/installed_products.h"
#include "support/temp_dir.h"
#include "widget_driving.h"
#include "window/controls.h"

namespace quill::test {

inline QString name_of(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A main window over a sandboxed application-data folder and a cycle folder
// that each test fills as it needs.
class MainWindowTest : public testing::Test {
protected:
    QString cycle() const { return QString::fromStdString(cycle_.path()); }
    void add_source(const std::string& name) { write_one_record_source(cycle_.path(), name); }
    void add_all_sources() {
        for (const Category category : kCategories) add_source(std::string(source_name(category)));
    }
    // Creates the window with the given start-up parameters, without showing it.
    MainWindow& create(const QStringList& parameters = {}) {
        window_ = std::make_unique<MainWindow>(parameters);
        return *window_;
    }
    MainWindow& open(const QStringList& parameters = {}) {
        create(parameters).show();
        return *window_;
    }

    template <typename Widget = QWidget>
    Widget* find(window::Control control) const {
        const std::string_view name = window::entry(control).name;
        Widget* widget = window_->findChild<Widget*>(name_of(name));
        if (!widget) ADD_FAILURE() << "no widget " << name;
        return widget;
    }

    AppDataSandbox appdata_;
    TempDir cycle_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace quill::test
