#include "ProgramSupport.h"

TestProgram::TestProgram(const ProgramFolder &folder)
{
    Application::setUpToolkit();
    m_app = std::make_unique<Application>(folder.path());
    m_app->start();
}

TestProgram::~TestProgram() = default;
