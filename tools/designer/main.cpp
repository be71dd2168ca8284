#include "app/DesignerApp.h"

int main(int argc, char** argv)
{
    app::CDesignerApp application(argc, argv);
    if (!application.InitInstance()) {
        return 1;
    }
    return application.exec();
}
