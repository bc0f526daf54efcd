// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ProgramSupport.h"

TestProgram::TestProgram(const ProgramFolder &folder)
{
    Application::setUpToolkit();
    m_app = std::make_unique<Application>(folder.path(), [this] { return m_now; });
    m_app->start();
}

TestProgram::~TestProgram() = default;
