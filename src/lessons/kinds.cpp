#include "lessons/kinds.h"

namespace strumkin::lessons {

void registerLessonKinds() {}

} // namespace strumkin::lessons
