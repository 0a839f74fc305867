#pragma once

namespace report {

// Where text stands across its box; down the box it is always centred, so a
// line of text sits in the middle of a ruled row whatever its font.
enum class Align { Left, Center, Right };

}
