#include "frmNewTestIntro.h"

// Placeholder until this screen is built.
frmNewTestIntro::frmNewTestIntro() : Form(QStringLiteral("frmNewTestIntro")) {}

void frmNewTestIntro::Form_Load() {}
void frmNewTestIntro::CloseByFrame() { Form::CloseByFrame(); }
