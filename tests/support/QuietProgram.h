#pragma once
// One running program for a whole test case: every window created in a fresh
// folder, messages recorded, and the splash fade held, so that no tips window
// turns up in the middle of a test.
#include "TestSupport.h"
#include "SplashScreen.h"

#include <QTimer>
#include <memory>

struct QuietProgram {
    RecordingDialogs dialogs;
    std::unique_ptr<ProgramFolder> folder;

    void start()
    {
        folder = std::make_unique<ProgramFolder>();
        startProgram(*folder);
        Form12->Timer1->stop();
    }
    void stop()
    {
        stopProgram();
        folder.reset();
    }
};
