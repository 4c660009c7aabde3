#include "flight/GameObject.h"

namespace dh {

void GameObject::onCollision(GameObject*) {}
void GameObject::update(float) {}
void GameObject::render(const Camera&) {}
void GameObject::onDamaged(GameObject*) {}
void GameObject::onAddedToWorld() {}
void GameObject::onRemovedFromWorld() {}

void GameObject::takeDamage(float damage, GameObject* attacker)
{
    shield -= damage;
    if (shield < 0.0f) {
        shield = 0.0f;
    }
    onDamaged(attacker);
}

}
