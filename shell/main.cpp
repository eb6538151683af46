// zarn-calculator: the desktop program.
#include "platform/application.h"
#include "shell/shell.h"

int main(int argc, char** argv)
{
    zarn::Application app(argc, argv);
    zarn::start_zarn_calculator();
    return app.run();
}
