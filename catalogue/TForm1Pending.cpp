// Commands whose windows are still being built; each moves to its own file.
#include "catalogue/TForm1.h"

void TForm1::Folder1Click() {}
void TForm1::G1Click() {}
void TForm1::HANTENClick() {}
void TForm1::IkkatuClick() {}
void TForm1::KobetuClick() {}
void TForm1::Timer1Timer() {}
void TForm1::abortLoading() {}
void TForm1::beginLoading(int, int) {}
void TForm1::ListView1MouseDown(QPoint) {}
void TForm1::ListView1KeyUp(int, Qt::KeyboardModifiers) {}
void TForm1::ListView1Changing(QListWidgetItem*) {}
void TForm1::ListView1DblClick() {}
