#include "frmvelmo.h"
#include "platform/web/application.h"

// The page's window lives as long as the page does, past the end of main.
int main()
{
    static velmo::Frmvelmo model;
    velmo::web::show_page(model.form(), model.dispatcher());
}
