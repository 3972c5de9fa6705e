// Program start: the application title and the five windows, created in the
// start-up order into their global pointers.
#pragma once

void CreateForms();
