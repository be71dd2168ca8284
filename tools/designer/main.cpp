#include "app/DesignerApp.h"
#include "platform/HeapTuning.h"

int main(int argc, char** argv)
{
    platform::TuneHeapForPageImages();
    app::CDesignerApp application(argc, argv);
    if (!application.InitInstance()) {
        return 1;
    }
    return application.exec();
}
