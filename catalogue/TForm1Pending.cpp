// Commands whose windows are still being built; each moves to its own file.
#include "catalogue/TForm1.h"

void TForm1::Folder1Click() {}
void TForm1::IkkatuClick() {}
void TForm1::Timer1Timer() {}
void TForm1::abortLoading() {}
void TForm1::beginLoading(int, int) {}
