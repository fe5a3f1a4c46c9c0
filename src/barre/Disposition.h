#pragma once

class TBarreDlg;

// Places the bar's buttons and strips and sizes the bar.
void Arranger(TBarreDlg *barre);
