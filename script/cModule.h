// cModule: the scriptable object of the engine: name, class word, properties, commands, children and groups.
#pragma once

#include "base/cSearchable.h"
#include "base/cSearchableList.h"
#include "script/cCommand.h"
#include "script/cGroup.h"
#include "script/cProperty.h"

#include <cstdint>

class cModule : public cSearchable
{
public:
    cModule();
    cModule(const cModule&) = delete;
    cModule& operator=(const cModule&) = delete;
    ~cModule() override;

    // Renames the module and keeps it findable under its new name in its parent and its groups;
    // a name taken there is raised (Item becomes Item1).
    void SetName(const cString& newName) override;
    // A command addressed to this module; classes dispatch on call.id and pass on the ids they
    // do not know.
    virtual void OnCommand(cCommand& call) {}
    // Copies live state into a property (id >= 0) before it is read.
    virtual void UpdateProperty(cProperty& property);
    // Applies a property (id >= 0, not locked) after it was written.
    virtual void CommitProperty(cProperty& property);
    // Writes every property that is not locked as "sp" lines without indentation.
    virtual void SaveConnections(cString& output);
    // Writes the module as script lines: its properties, then (recursive) its saved children.
    virtual void Save(cString& output, const cString& indent, bool recursive);

    // Properties, registered per instance.
    cProperty* RegisterProperty(const char* propertyName, int id, float defaultValue, int propertySortKey = 0);
    cProperty* RegisterStringProperty(const char* propertyName, int id, const char* defaultText, int propertySortKey = 0);
    float GetProperty(const cString& propertyName, int component = 0);
    void SetProperty(const cString& propertyName, int component, float value);
    // The same on a property already found.
    void SetProperty(cProperty& property, int component, float value);
    cString GetStringProperty(const cString& propertyName);
    void SetStringProperty(const cString& propertyName, const cString& text);
    bool HasProperty(const cString& propertyName) const;
    bool HasStringProperty(const cString& propertyName) const;
    void LockProperty(const cString& propertyName);
    cProperty* FindProperty(const cString& propertyName) const { return properties.Find(propertyName); }

    // Commands and constants, registered once per class word through the interpreter.
    bool HasClassCommands() const;
    void AddCommand(int id, const char* commandTemplate);
    void AddConstant(int value, const char* constantName);

    // The module tree.
    void AddChild(cModule* child);
    void RemoveChild(cModule* child);
    cModule* FindChild(const cString& childName) const { return children.Find(childName); }
    cModule* FindDescendant(const cString& descendantName);
    bool IsDescendant(const cModule* module) const;
    cModule* GetParent() const { return parent; }
    cModule* GetRoot();

    // Groups.
    cGroup* JoinGroup(const cString& groupName);
    void LeaveGroup(const cString& groupName);
    bool IsInGroup(const cString& groupName) const;

    void Log(const cString& text, int level = 0) const;

    cString className = "UNKNOWN";
    cSearchableListOf<cModule> children;
    cSearchableListOf<cProperty> properties;
    cModule* parent = nullptr;
    int32_t childCursor = 0;
    cSearchableListOf<cGroup> groups;
    bool saveEnabled = true;

private:
    // Leaves the name-sorted lists of the parent and the groups before a rename, and comes back
    // under a name that is free in all of them.
    void DetachName();
    void AttachName();
    cProperty* FindStringProperty(const cString& propertyName) const;
    void WritePropertyLine(cString& output, const cString& indent, const cProperty& property) const;
};
