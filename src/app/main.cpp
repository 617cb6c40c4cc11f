#include "app/CZentaroApp.h"

int main(int argc, char** argv)
{
    CZentaroApp app(argc, argv);
    return app.InitInstance();
}
