// The open-folder dialog's preview of the selected file.
#include "dialogs/TForm2.h"

void TForm2::ShellListView1DblClick() {}
