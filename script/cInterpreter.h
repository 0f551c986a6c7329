// cInterpreter: executes script lines and files against the module tree and keeps the command, constant, group and text registries.
#pragma once

#include "base/cArray.h"
#include "script/cCommand.h"
#include "script/cGroup.h"
#include "script/cModule.h"
#include "script/cTextData.h"

#include <cstdint>

class cInterpreter : public cModule
{
public:
    // A character-map entry: the four hexadecimal digits of a UTF-16 code and its glyph.
    class cChar : public cSearchable
    {
    public:
        cChar(const cString& code, int32_t glyphIndex) : cSearchable(code), glyph(glyphIndex) {}
        int32_t glyph;
    };

    static constexpr int kMaxRunDepth = 8;

    cInterpreter();
    ~cInterpreter() override;

    static cInterpreter* Get() { return current_; }

    // Executes one line; module, when given, is the module the line is addressed to.
    // Returns true only for "terminate".
    bool Execute(const cString& line, cModule* module = nullptr);
    bool Execute(const char* line, int length, cModule* module);
    // Runs name + ".qsc" through the file system; module, when given, is current for the
    // duration of the file.
    void RunFile(const cString& fileName, cModule* module = nullptr);
    // Executes text cut into lines at CR LF until a line terminates it.
    void RunText(const char* text, int length);

    cGroup* GetGroup(const cString& groupName);
    // The value of the constant named text in the module's class, or -1.
    int FindConstant(const cString& text, const cModule* module) const;
    void AddCommand(cModule* module, int id, const char* commandTemplate);
    void AddSystemCommand(int id, const char* commandTemplate);
    void AddConstant(cModule* module, int value, const char* constantName);
    bool HasClassCommands(const cString& ownerClass) const;

    cModule* GetCurrent() const { return currentModule; }
    void SetCurrent(cModule* module) { currentModule = module; }
    cString GetCurrentName() const { return currentModule ? currentModule->name : cString(); }
    cString GetCurrentClassName() const { return currentModule ? currentModule->className : cString(); }
    // The module "*" names: the engine object. Without one, the top of the interpreter's tree.
    void SetRoot(cModule* module) { root = module; }
    cModule* GetRootModule();
    // Called by modules that are going away so that no navigation points at them.
    void ForgetModule(const cModule* module);

    // Texts and the character map.
    void LoadLanguage();
    // "" for an empty id; an unknown id logs "TextID '<id>' not found".
    cString GetText(const cString& id);
    // The glyph of a UTF-16 code looked up as four upper-case hexadecimal digits, or 0.
    int GetGlyph(uint16_t code) const;

    void OnCommand(cCommand& call) override;

    cSearchableListOf<cCommand> commands;
    cSearchableListOf<cCommand> constants;
    cSearchableListOf<cGroup> groupRegistry;
    int32_t runDepth = 0;
    cSearchableListOf<cTextData> texts;
    cSearchableListOf<cChar> characters;

private:
    static inline cInterpreter* current_ = nullptr;

    void RegisterSystemCommands();
    // Registers a parsed template under owner/word; false when the key is taken.
    bool Register(const cString& owner, bool isSystem, int id, const char* commandTemplate);
    cModule* ResolveComponent(const char* text, int length, cModule* target, cModule* module);
    const cCommand* FindCommand(const cString& ownerClass, const cString& word) const;
    const cCommand* LookUpCommand(const cString& ownerClass, const cString& word) const;
    const cCommand* FindConstantRecord(const cString& ownerClass, const cString& text) const;
    bool ExecuteSystem(cCommand& call);
    void RunNested(const cString& fileName, bool onlyIfExists);
    void ListCommands(const cString& which);
    void ListModules();
    void ListProperties();
    void SetPropertyFromCall(const cCommand& call);
    void PrintProperty(const cString& propertyName);
    cString FormatValue(cProperty& property);

    cModule* currentModule = nullptr;
    cModule* root = nullptr;
    // The modules to return to after lines addressed to another module, innermost last.
    cArray<cModule*> rememberedModules;
};
