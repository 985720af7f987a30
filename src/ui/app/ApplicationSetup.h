#pragma once

namespace kolvi {

// Application title, icon, the UI font (resolved to a face that exists here) and
// the system colour table, once the application object exists.
void SetUpApplication();

} // namespace kolvi
