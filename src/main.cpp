#include "app/cvantrelapp.h"
#include "app/cmainframe.h"

int main(int argc, char** argv)
{
    vantrel::CVantrelApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    app.mainFrame()->setAttribute(Qt::WA_DeleteOnClose);
    return app.exec();
}
