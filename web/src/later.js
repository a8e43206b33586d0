// The page's later bundle, loaded once the first comparison is painted: the
// step views that can wait, each registering itself with the first bundle as
// it is imported and opened in this order: the five programs side by side,
// how their work grows, the map of the whole run, and the program's own code;
// and the maker of exercises to practise a case.

import "./side.js";
import "./growth.js";
import "./map.js";
import "./source.js";
import "./instances.js";
