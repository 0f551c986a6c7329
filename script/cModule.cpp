// cModule: properties, the module tree, groups, logging and the save format.
#include "script/cModule.h"

#include "base/NumberFormat.h"
#include "base/TrackedAllocator.h"
#include "base/cConsole.h"
#include "script/cInterpreter.h"

cModule::cModule()
{
    name = "Unnamed";
    RegisterStringProperty("Name", 0, "", 0);
}

cModule::~cModule()
{
    if (cInterpreter* interpreter = cInterpreter::Get())
        interpreter->ForgetModule(this);
    properties.ClearAndDelete();
    while (groups.Count() > 0)
        LeaveGroup(groups.At(0)->name);
    // A module deleted while still listed would leave its parent and children pointing at
    // freed memory; classes that own children detach them before, this only catches the rest.
    if (parent)
        parent->children.Remove(this);
    for (int i = 0; i < children.Count(); ++i)
        children.At(i)->parent = nullptr;
    children.Clear();
}

void cModule::DetachName()
{
    if (parent)
        parent->children.Remove(this);
    for (int i = 0; i < groups.Count(); ++i)
        groups.At(i)->members.Remove(this);
}

void cModule::AttachName()
{
    // Raise the name until neither the parent nor any group holds it.
    for (bool changed = true; changed;)
    {
        const cString before = name;
        if (parent)
            cSearchableList::MakeUniqueName(parent->children, this);
        for (int i = 0; i < groups.Count(); ++i)
            cSearchableList::MakeUniqueName(groups.At(i)->members, this);
        changed = name != before;
    }
    if (parent)
        parent->children.Insert(this);
    for (int i = 0; i < groups.Count(); ++i)
        groups.At(i)->members.Insert(this);
}

void cModule::SetName(const cString& newName)
{
    DetachName();
    name = newName;
    AttachName();
}

void cModule::UpdateProperty(cProperty& property)
{
    if (property.id == 0)
    {
        property.text = name;
        return;
    }
    Log("Cannot update property '" + property.label + "'. Update not implemented.", 3);
}

void cModule::CommitProperty(cProperty& property)
{
    if (property.id == 0)
    {
        SetName(property.text);
        return;
    }
    Log("Cannot commit property '" + property.label + "'. Commit not implemented.", 3);
}

cProperty* cModule::RegisterProperty(const char* propertyName, int id, float defaultValue, int propertySortKey)
{
    if (properties.Find(propertyName))
    {
        Log(cString("Cannot register property '") + propertyName + "'. Name already exists.", 3);
        return nullptr;
    }
    cProperty* property = QNEW cProperty;
    property->name = propertyName;
    property->label = propertyName;
    property->id = id;
    property->sortKey = propertySortKey;
    property->values.Add(defaultValue);
    properties.Insert(property);
    return property;
}

cProperty* cModule::RegisterStringProperty(const char* propertyName, int id, const char* defaultText, int propertySortKey)
{
    if (properties.Find(propertyName))
    {
        Log(cString("Cannot register property '") + propertyName + "'. Name already exists.", 3);
        return nullptr;
    }
    cProperty* property = QNEW cProperty;
    property->name = propertyName;
    property->label = propertyName;
    property->id = id;
    property->sortKey = propertySortKey;
    property->text = defaultText;
    property->isString = true;
    properties.Insert(property);
    return property;
}

cProperty* cModule::FindStringProperty(const cString& propertyName) const
{
    cProperty* property = properties.Find(propertyName);
    return property && property->isString ? property : nullptr;
}

float cModule::GetProperty(const cString& propertyName, int component)
{
    cProperty* property = properties.Find(propertyName);
    if (!property)
    {
        Log("Cannot get property '" + propertyName + "'. Property not found.", 2);
        return 0.0f;
    }
    if (property->id >= 0)
        UpdateProperty(*property);
    return property->Get(component);
}

void cModule::SetProperty(const cString& propertyName, int component, float value)
{
    cProperty* property = properties.Find(propertyName);
    if (!property)
    {
        Log("Cannot set property '" + propertyName + "'. Property not found.", 2);
        return;
    }
    SetProperty(*property, component, value);
}

void cModule::SetProperty(cProperty& property, int component, float value)
{
    property.Set(component, value);
    if (property.id >= 0 && !property.locked)
        CommitProperty(property);
}

cString cModule::GetStringProperty(const cString& propertyName)
{
    cProperty* property = FindStringProperty(propertyName);
    if (!property)
    {
        Log("Cannot get string property '" + propertyName + "'. Property not found.", 2);
        return cString();
    }
    if (property->id >= 0)
        UpdateProperty(*property);
    return property->text;
}

void cModule::SetStringProperty(const cString& propertyName, const cString& text)
{
    cProperty* property = FindStringProperty(propertyName);
    if (!property)
    {
        Log("Cannot set string property '" + propertyName + "'. Property not found.", 2);
        return;
    }
    property->text = text;
    if (property->id >= 0 && !property->locked)
        CommitProperty(*property);
}

bool cModule::HasProperty(const cString& propertyName) const
{
    return properties.Find(propertyName) != nullptr;
}

bool cModule::HasStringProperty(const cString& propertyName) const
{
    return FindStringProperty(propertyName) != nullptr;
}

void cModule::LockProperty(const cString& propertyName)
{
    cProperty* property = properties.Find(propertyName);
    if (!property)
    {
        Log("Cannot lock property '" + propertyName + "'. Property not found.", 2);
        return;
    }
    property->locked = true;
}

bool cModule::HasClassCommands() const
{
    cInterpreter* interpreter = cInterpreter::Get();
    return interpreter && interpreter->HasClassCommands(className);
}

void cModule::AddCommand(int id, const char* commandTemplate)
{
    if (cInterpreter* interpreter = cInterpreter::Get())
        interpreter->AddCommand(this, id, commandTemplate);
}

void cModule::AddConstant(int value, const char* constantName)
{
    if (cInterpreter* interpreter = cInterpreter::Get())
        interpreter->AddConstant(this, value, constantName);
}

void cModule::AddChild(cModule* child)
{
    if (!child || child == this)
        return;
    if (child->parent)
        child->parent->RemoveChild(child);
    for (int i = 0; i < child->groups.Count(); ++i)
        child->groups.At(i)->members.Remove(child);
    child->parent = this;
    child->AttachName();
}

void cModule::RemoveChild(cModule* child)
{
    if (!child || child->parent != this)
        return;
    children.Remove(child);
    child->parent = nullptr;
}

cModule* cModule::FindDescendant(const cString& descendantName)
{
    if (name == descendantName)
        return this;
    for (int i = 0; i < children.Count(); ++i)
    {
        if (cModule* found = children.At(i)->FindDescendant(descendantName))
            return found;
    }
    return nullptr;
}

bool cModule::IsDescendant(const cModule* module) const
{
    for (const cModule* at = module; at; at = at->parent)
    {
        if (at == this)
            return true;
    }
    return false;
}

cModule* cModule::GetRoot()
{
    cModule* at = this;
    while (at->parent)
        at = at->parent;
    return at;
}

cGroup* cModule::JoinGroup(const cString& groupName)
{
    if (cGroup* existing = groups.Find(groupName))
        return existing;
    cInterpreter* interpreter = cInterpreter::Get();
    if (!interpreter)
        return nullptr;
    cGroup* group = interpreter->GetGroup(groupName);
    // The module takes a name that is free in the group too; the rename keeps the parent's
    // and the other groups' lists in order.
    DetachName();
    groups.Insert(group);
    AttachName();
    return group;
}

void cModule::LeaveGroup(const cString& groupName)
{
    cGroup* group = groups.Find(groupName);
    if (!group)
        return;
    group->members.Remove(this);
    groups.Remove(group);
}

bool cModule::IsInGroup(const cString& groupName) const
{
    return groups.Find(groupName) != nullptr;
}

void cModule::Log(const cString& text, int level) const
{
    ConsolePrint(text, level, name, className);
}

void cModule::WritePropertyLine(cString& output, const cString& indent, const cProperty& property) const
{
    if (property.isString)
    {
        output += indent;
        output += "sp \"";
        output += property.label;
        output += "\" \"";
        output += property.text;
        output += "\"\r\n";
        return;
    }
    if (property.values.Count() == 0)
        return;
    output += indent;
    output += "sp \"";
    output += property.label;
    output += "\"";
    for (float value : property.values)
    {
        output += " ";
        output += FloatToString(value, 0, 10);
    }
    output += "\r\n";
}

void cModule::SaveConnections(cString& output)
{
    for (int i = 0; i < properties.Count(); ++i)
    {
        const cProperty* property = properties.At(i);
        if (!property->locked)
            WritePropertyLine(output, cString(), *property);
    }
}

void cModule::Save(cString& output, const cString& indent, bool recursive)
{
    if (!saveEnabled)
        return;
    for (int i = 0; i < properties.Count(); ++i)
    {
        cProperty* property = properties.OrderedAt(i);
        if (property->id >= 0)
            UpdateProperty(*property);
        if (property->name == "Name" || property->locked)
            continue;
        WritePropertyLine(output, indent, *property);
    }
    if (!recursive)
        return;
    const cString childIndent = indent + "\t";
    for (int i = 0; i < children.Count(); ++i)
    {
        cModule* child = children.At(i);
        if (child->className == "PARTICLEHOLDER" || child->className == "CAMERA" || child->IsInGroup("Helpers") ||
            !child->saveEnabled)
            continue;
        output += "\r\n";
        output += indent;
        output += "> \"";
        output += child->name;
        output += "\"\r\n";
        child->Save(output, childIndent, true);
        output += indent;
        output += "\t<\r\n\r\n";
    }
}
