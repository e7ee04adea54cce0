#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "app/target_table.h"
#include "support/cycle_folder.h"
#include "support/temp_dir.h"
#include "qt/main_window.h"
#include "ui_support.h"

namespace quill::test {

// A main window over a sandboxed application-data folder and a cycle folder
// that each test fills as it needs.
class MainWindowTest : public testing::Test {
protected:
    QString cycle() const { return QString::fromStdString(cycle_.path()); }
    void add_source(const std::string& name) { write_one_record_source(cycle_.path(), name); }
    void add_all_sources() {
        for (const char* name : {"apt.dat", "earth_nav.dat", "earth_fix.dat", "earth_awy.dat"}) {
            add_source(name);
        }
    }
    void install_target(std::size_t row) {
        make_folders(target_folder(TargetTable[row]));
        write_file(target_path(TargetTable[row]), "product database");
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

    template <typename Widget = QCheckBox> Widget* find(const char* name) const {
        Widget* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) ADD_FAILURE() << "no widget " << name;
        return widget;
    }

    AppDataSandbox appdata_;
    TempDir cycle_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace quill::test
