// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ProgramSupport.h"

TestProgram::TestProgram(const ProgramFolder &folder, DialogSeam &dialogs)
{
    Application::setUpToolkit(m_qtRussian);
    m_app = std::make_unique<Application>(
        folder.path(), [this] { return m_now; }, &dialogs);
    m_app->start();
}

TestProgram::~TestProgram() = default;
