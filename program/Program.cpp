#include "program/Program.h"

#include "catalogue/TForm1.h"
#include "core/FormLook.h"
#include "dialogs/TForm2.h"
#include "dialogs/TForm4.h"
#include "dialogs/TForm5.h"
#include "dialogs/TForm6.h"
#include "dialogs/TForm8.h"
#include "split/TForm3.h"
#include "trimming/TForm7.h"

Program::Program() {
    form1_ = std::make_unique<TForm1>(state, windows);
    windows.Form1 = form1_.get();
    windows.main = form1_.get();
    form7_ = std::make_unique<TForm7>(state, windows);
    windows.Form7 = form7_.get();
    windows.trimming = form7_.get();
    form3_ = std::make_unique<TForm3>(state, windows);
    windows.Form3 = form3_.get();
    windows.split = form3_.get();
    form4_ = std::make_unique<TForm4>(state, windows);
    windows.Form4 = form4_.get();
    form5_ = std::make_unique<TForm5>(state, windows);
    windows.Form5 = form5_.get();
    form6_ = std::make_unique<TForm6>(state, windows);
    windows.Form6 = form6_.get();
    form2_ = std::make_unique<TForm2>(state, windows);
    windows.Form2 = form2_.get();
    form8_ = std::make_unique<TForm8>(state, windows);
    windows.Form8 = form8_.get();

    // Designed placements, before the settings file moves them.
    placeWindow(*form2_, 174, 125);
    placeWindow(*form3_, 280, 141);
    placeWindow(*form4_, 340, 261);
    placeWindow(*form5_, 399, 216);
    placeWindow(*form6_, 384, 264);
    placeWindow(*form7_, 4, 190);
    placeWindow(*form8_, 336, 157);
}

Program::~Program() {
    // Timers of a window may still refer to later windows: stop everything
    // before the first window goes.
    form8_.reset();
    form2_.reset();
    form6_.reset();
    form5_.reset();
    form4_.reset();
    form3_.reset();
    form7_.reset();
    form1_.reset();
}
