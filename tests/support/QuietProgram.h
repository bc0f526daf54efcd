// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running program for a whole test case: started in a fresh folder with
// messages recorded, and the splash fade held, so that no tips window turns
// up in the middle of a test.
#include "tests/support/ProgramSupport.h"

#include <QTimer>
#include <memory>

struct QuietProgram {
    RecordingDialogs dialogs;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TestProgram> program;

    void start()
    {
        folder = std::make_unique<ProgramFolder>();
        program = std::make_unique<TestProgram>(*folder, dialogs);
        if (QWidget *splash = program->app().existingWindow(WindowRole::Splash)) {
            for (QTimer *timer : splash->findChildren<QTimer *>())
                timer->stop();
            splash->hide();
        }
    }
    void stop()
    {
        program.reset();
        folder.reset();
    }
};
