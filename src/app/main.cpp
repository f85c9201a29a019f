#include "frmvelmo.h"
#include "platform/qt/application.h"

#include "icons/velmo-16.xpm"
#include "icons/velmo-32.xpm"

int main(int argc, char* argv[])
{
    velmo::Frmvelmo model;
    return velmo::qt::run_window(
        argc, argv, "org.velmo.Velmo", model.form(), model.dispatcher(), {velmo_icon_16, velmo_icon_32});
}
