// The six windows of the program and their creation at program start.
#pragma once

class TForm1; class TForm2; class TForm3; class TForm4; class TForm5; class TForm6;
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;

// Installs the Qt answerer of Dialog() and creates Form1 ... Form6 as the program
// start does (only Form1 is shown by main). Needs a QApplication.
void Fenster_erzeugen();
// Deletes the six windows again (tests create them anew).
void Fenster_freigeben();
