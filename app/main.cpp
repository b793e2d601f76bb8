#include "platform/QtServices.h"
#include "shell/Korvendo.h"

#include <clocale>

int main(int argc, char *argv[])
{
    PrimerApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    app.setApplicationName(QStringLiteral("Tessolan Primer"));
    InstallQtServices();
    return Main(app, app.arguments().mid(1));
}
