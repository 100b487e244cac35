#pragma once

#include "core/AppState.h"
#include "core/WindowPorts.h"

#include <memory>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;

// The running program: the shared state and the eight windows, created in
// their fixed order (main window, trimming view, split dialog, rename
// dialog, settings dialog, notice box, open-folder dialog, folder chooser)
// and destroyed in the reverse order.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppState state;
    Windows windows;

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm8> form8_;
};
