#pragma once

class TBarreDlg;

// Places the bar's buttons and strips and sizes the bar; a drawer bar is set against its strip.
void Arranger(TBarreDlg *barre);

// Sets every drawer bar that exists, shown or hidden, against its strip on the main bar.
void PlacerTiroirs();

// Moves the main bar to its start-up place.
void PlacerAuLancement();

// Gives the main bar the stay-on-top style when StayOnTop is set, the normal one otherwise,
// without moving it.
void AppliquerPremierPlan(TBarreDlg *barre);

// Lays out every drawer bar that exists again and gives every strip of a non-empty drawer the
// arrow of its state.
void ArrangerTiroirs();
