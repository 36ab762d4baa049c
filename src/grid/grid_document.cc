#include "grid/grid_document.h"

namespace gridcode {

void ResetGrid(GridDocument& document) { document.Text1.fill("0"); }

}  // namespace gridcode
