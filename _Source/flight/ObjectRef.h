#pragma once

namespace dh {

class GameObject;
class ObjectList;

// A tracked reference. While registered with a list (ObjectList::trackRef),
// the list clears `object` when it deletes that object. The holder must
// unregister it (untrackRef) before the reference itself goes away.
struct ObjectRef {
    GameObject* object = nullptr;
    ObjectList* list = nullptr;
};

}
