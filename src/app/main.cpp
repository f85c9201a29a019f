#include "frmvelmo.h"
#include "platform/qt/application.h"

int main(int argc, char* argv[])
{
    velmo::Frmvelmo model;
    return velmo::qt::run_window(argc, argv, VELMO_APP_ID, model.form(), model.dispatcher());
}
