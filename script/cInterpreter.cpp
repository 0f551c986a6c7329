// cInterpreter: module paths, command lookup and dispatch, the system commands, files and texts.
#include "script/cInterpreter.h"

#include "base/NumberFormat.h"
#include "base/TrackedAllocator.h"
#include "base/cConsole.h"
#include "script/cFileSystem.h"
#include "script/cTokenizer.h"

#include <atomic>
#include <cstdio>
#include <cstring>

namespace
{
enum eSystemCommand
{
    kEnter = 0,
    kExit = 1,
    kTerminate = 2,
    kEcho = 3,
    kRun = 4,
    kListCommands = 5,
    kListModules = 6,
    kRoot = 7,
    kRunIfExists = 8,
    kListProperties = 9,
    kSetProperty = 10,
    kPrintProperty = 11,
};

enum eInterpreterCommand
{
    kChar = 0,
};

// Call records are reused line after line; each thread keeps its own, one per nesting level.
struct CallPool
{
    ~CallPool()
    {
        for (cCommand* call : free)
            delete call;
    }
    cCommand* Take()
    {
        if (free.Count() == 0)
            return QNEW cCommand;
        cCommand* call = free[free.Count() - 1];
        free.Remove(-1);
        return call;
    }
    void Give(cCommand* call) { free.Add(call); }
    cArray<cCommand*> free;
};

thread_local CallPool callPool;

// Recent command lookups by class word and command word. An entry is good while the registry
// has not changed since (the generation counts registrations and interpreters).
struct CommandCacheEntry
{
    const cCommand* command = nullptr;
    uint32_t generation = 0;
    cString ownerClass;
    cString word;
};
constexpr int kCommandCacheSize = 64;
thread_local CommandCacheEntry commandCache[kCommandCacheSize];
std::atomic<uint32_t> registryGeneration{1};

int CommandCacheSlot(const cString& ownerClass, const cString& word)
{
    uint32_t h = uint32_t(word.Length()) * 31u + uint32_t(ownerClass.Length());
    for (int i = 0; i < word.Length(); ++i)
        h = h * 31u + uint8_t(word[i]);
    if (ownerClass.Length() > 0)
        h = h * 31u + uint8_t(ownerClass[0]) + uint8_t(ownerClass.Last()) * 7u;
    return int(h % kCommandCacheSize);
}
thread_local cString scratchKey;
thread_local cString scratchName;

void PrintPlain(const cString& text)
{
    ConsolePrint(text, 0);
}

bool StartsWith(const cString& text, const cString& prefix)
{
    return text.Length() >= prefix.Length() && std::memcmp(text.Text(), prefix.Text(), size_t(prefix.Length())) == 0;
}
} // namespace

cInterpreter::cInterpreter()
{
    name = "Interpreter";
    className = "INTERPRETER";
    current_ = this;
    registryGeneration.fetch_add(1, std::memory_order_relaxed);
    RegisterSystemCommands();
    if (!HasClassCommands(className))
        AddCommand(this, kChar, "char 0020 32");
    Log("Initialized.");
}

cInterpreter::~cInterpreter()
{
    // Members still in a group forget it before the group goes.
    for (int i = 0; i < groupRegistry.Count(); ++i)
    {
        cGroup* group = groupRegistry.At(i);
        while (group->members.Count() > 0)
        {
            cModule* member = group->members.At(0);
            group->members.Remove(member);
            member->groups.Remove(group);
        }
    }
    groupRegistry.ClearAndDelete();
    commands.ClearAndDelete();
    constants.ClearAndDelete();
    texts.ClearAndDelete();
    characters.ClearAndDelete();
    registryGeneration.fetch_add(1, std::memory_order_relaxed);
    if (current_ == this)
        current_ = nullptr;
}

void cInterpreter::RegisterSystemCommands()
{
    AddSystemCommand(kEnter, "enter null");
    AddSystemCommand(kEnter, "> null");
    AddSystemCommand(kExit, "exit");
    AddSystemCommand(kExit, "<");
    AddSystemCommand(kTerminate, "terminate");
    AddSystemCommand(kEcho, "echo null");
    AddSystemCommand(kRun, "run null");
    AddSystemCommand(kListCommands, "listcommands 0");
    AddSystemCommand(kListCommands, "lc 0");
    AddSystemCommand(kListModules, "listmodules 0");
    AddSystemCommand(kListModules, "lm 0");
    AddSystemCommand(kRoot, "root");
    AddSystemCommand(kRunIfExists, "runifexists null");
    AddSystemCommand(kListProperties, "listproperties");
    AddSystemCommand(kListProperties, "lp");
    AddSystemCommand(kSetProperty, "setproperty null 0");
    AddSystemCommand(kSetProperty, "sp null 0");
    AddSystemCommand(kPrintProperty, "printproperty null");
    AddSystemCommand(kPrintProperty, "pp null");
}

// ---- Registries ----

bool cInterpreter::Register(const cString& owner, bool isSystem, int id, const char* commandTemplate)
{
    cCommand* command = QNEW cCommand;
    command->Parse(commandTemplate, int(std::strlen(commandTemplate)));
    command->owner = owner;
    command->isSystem = isSystem;
    command->id = id;
    command->name = owner + "/" + command->word;
    if (commands.Find(command->name))
    {
        delete command;
        return false;
    }
    commands.Insert(command);
    registryGeneration.fetch_add(1, std::memory_order_relaxed);
    return true;
}

void cInterpreter::AddCommand(cModule* module, int id, const char* commandTemplate)
{
    if (!module || !commandTemplate)
        return;
    if (!Register(module->className, false, id, commandTemplate))
        Log(cString("Cannot add Command '") + commandTemplate + "'. Name already exists.", 3);
}

void cInterpreter::AddSystemCommand(int id, const char* commandTemplate)
{
    if (!commandTemplate)
        return;
    if (!Register("SYSTEM", true, id, commandTemplate))
        Log(cString("Cannot add System Command '") + commandTemplate + "'. Name already exists.", 3);
}

void cInterpreter::AddConstant(cModule* module, int value, const char* constantName)
{
    if (!module || !constantName)
        return;
    const cString key = module->className + "/" + constantName;
    if (constants.Find(key))
    {
        Log(cString("Cannot add Constant '") + constantName + "'. Name already exists.", 2);
        return;
    }
    cCommand* constant = QNEW cCommand;
    constant->name = key;
    constant->owner = module->className;
    constant->word = constantName;
    constant->id = value;
    constants.Insert(constant);
}

// Keys are "OWNER/word", so the commands of one class stand together in name order.
bool cInterpreter::HasClassCommands(const cString& ownerClass) const
{
    const cString prefix = ownerClass + "/";
    const int index = commands.IndexOf(prefix);
    if (index < 0 || index >= commands.Count())
        return false;
    return StartsWith(commands.At(index)->name, prefix);
}

const cCommand* cInterpreter::FindConstantRecord(const cString& ownerClass, const cString& text) const
{
    if (constants.Count() == 0)
        return nullptr;
    scratchKey = ownerClass;
    scratchKey += "/";
    scratchKey += text;
    return constants.Find(scratchKey);
}

int cInterpreter::FindConstant(const cString& text, const cModule* module) const
{
    const cCommand* constant = module ? FindConstantRecord(module->className, text) : nullptr;
    return constant ? constant->id : -1;
}

cGroup* cInterpreter::GetGroup(const cString& groupName)
{
    if (cGroup* group = groupRegistry.Find(groupName))
        return group;
    cGroup* group = QNEW cGroup(groupName);
    groupRegistry.Insert(group);
    return group;
}

cModule* cInterpreter::GetRootModule()
{
    return root ? root : GetRoot();
}

void cInterpreter::ForgetModule(const cModule* module)
{
    if (currentModule == module)
        currentModule = nullptr;
    for (cModule*& remembered : rememberedModules)
    {
        if (remembered == module)
            remembered = nullptr;
    }
    if (root == module)
        root = nullptr;
}

// ---- Execution ----

const cCommand* cInterpreter::FindCommand(const cString& ownerClass, const cString& word) const
{
    CommandCacheEntry& cached = commandCache[CommandCacheSlot(ownerClass, word)];
    const uint32_t generation = registryGeneration.load(std::memory_order_relaxed);
    if (cached.generation == generation && cached.word == word && cached.ownerClass == ownerClass)
        return cached.command;
    const cCommand* found = LookUpCommand(ownerClass, word);
    cached.command = found;
    cached.generation = generation;
    cached.ownerClass = ownerClass;
    cached.word = word;
    return found;
}

const cCommand* cInterpreter::LookUpCommand(const cString& ownerClass, const cString& word) const
{
    scratchKey = ownerClass;
    scratchKey += "/";
    scratchKey += word;
    if (const cCommand* command = commands.Find(scratchKey))
        return command;
    scratchKey = "SYSTEM/";
    scratchKey += word;
    return commands.Find(scratchKey);
}

cModule* cInterpreter::ResolveComponent(const char* text, int length, cModule* target, cModule* module)
{
    if (length == 1 && text[0] == '*')
        return GetRootModule();
    cModule* from = target ? target : module ? module : currentModule ? currentModule : GetRootModule();
    if (length == 2 && text[0] == '.' && text[1] == '.')
    {
        if (!from || !from->parent)
        {
            Log("Parent module not found.", 2);
            return nullptr;
        }
        return from->parent;
    }
    scratchName.Assign(text, length);
    cModule* child = from ? from->FindChild(scratchName) : nullptr;
    if (!child)
        Log("Submodule '" + scratchName + "' not found.", 2);
    return child;
}

bool cInterpreter::Execute(const cString& line, cModule* module)
{
    return Execute(line.Text(), line.Length(), module);
}

bool cInterpreter::Execute(const char* line, int length, cModule* module)
{
    if (!line || length <= 0)
        return false;
    // Until the first line runs there is no current module; it starts at the root.
    if (!currentModule)
        currentModule = GetRootModule();
    const char* end = line + length;
    const char* wordStart = line;
    while (wordStart < end && (*wordStart == ' ' || *wordStart == '\t'))
        ++wordStart;
    const char* wordEnd = wordStart;
    while (wordEnd < end && *wordEnd != ' ' && *wordEnd != '\t')
        ++wordEnd;

    // The first word may start with a module path: components up to its last separator.
    cModule* target = nullptr;
    const char* componentStart = wordStart;
    for (const char* at = wordStart; at < wordEnd; ++at)
    {
        if (*at != '/' && *at != '\\')
            continue;
        if (at > componentStart)
        {
            target = ResolveComponent(componentStart, int(at - componentStart), target, module);
            if (!target)
                return false;
        }
        componentStart = at + 1;
    }

    const bool switched = target || module;
    if (switched)
    {
        rememberedModules.Add(currentModule);
        currentModule = target ? target : module;
    }

    bool terminate = false;
    cCommand* call = callPool.Take();
    call->Parse(componentStart, int(end - componentStart));
    if (call->word != "<NULL>")
    {
        cModule* addressed = currentModule;
        const cCommand* registered = addressed ? FindCommand(addressed->className, call->word) : nullptr;
        if (!registered)
        {
            Log("Command '" + call->word + "' is not available in module '" + GetCurrentName() + "' [" +
                    GetCurrentClassName() + "].",
                2);
        }
        else
        {
            call->id = registered->id;
            call->owner = registered->owner;
            call->isSystem = registered->isSystem;
            for (int i = call->ArgumentCount(); i < registered->ArgumentCount(); ++i)
            {
                const CommandArgument& fallback = registered->Argument(i);
                CommandArgument& argument = call->AddArgument();
                argument.text = fallback.text;
                argument.SetNumber(fallback.value, fallback.bits);
            }
            if (constants.Count() > 0)
            {
                for (int i = 0; i < call->ArgumentCount(); ++i)
                {
                    CommandArgument& argument = call->ArgumentAt(i);
                    if (const cCommand* constant = FindConstantRecord(addressed->className, argument.text))
                        argument.SetNumber(float(constant->id), uint32_t(constant->id));
                }
            }
            if (call->isSystem)
                terminate = ExecuteSystem(*call);
            else
                addressed->OnCommand(*call);
        }
    }
    callPool.Give(call);

    if (switched)
    {
        currentModule = rememberedModules[rememberedModules.Count() - 1];
        rememberedModules.Remove(-1);
    }
    return terminate;
}

void cInterpreter::RunText(const char* text, int length)
{
    const char* end = text + length;
    const char* lineStart = text;
    const char* at = text;
    while (at < end)
    {
        const char* carriageReturn = static_cast<const char*>(std::memchr(at, '\r', size_t(end - at)));
        if (!carriageReturn || carriageReturn + 1 >= end)
            break;
        if (carriageReturn[1] != '\n')
        {
            at = carriageReturn + 1;
            continue;
        }
        if (Execute(lineStart, int(carriageReturn - lineStart), nullptr))
            return;
        at = lineStart = carriageReturn + 2;
    }
    if (lineStart < end)
        Execute(lineStart, int(end - lineStart), nullptr);
}

void cInterpreter::RunFile(const cString& fileName, cModule* module)
{
    const cString path = fileName + ".qsc";
    cFileSystem* fileSystem = cFileSystem::Get();
    cFS_File* file = fileSystem ? fileSystem->Open(path) : nullptr;
    if (!file || !fileSystem->Exists(file))
    {
        Log("File '" + path + "' not found.", 2);
        if (file)
            fileSystem->Close(file);
        return;
    }
    if (module)
    {
        rememberedModules.Add(currentModule);
        currentModule = module;
    }
    RunText(reinterpret_cast<const char*>(file->GetData()), file->GetSize());
    if (module)
    {
        currentModule = rememberedModules[rememberedModules.Count() - 1];
        rememberedModules.Remove(-1);
    }
    fileSystem->Close(file);
}

// ---- System commands ----

bool cInterpreter::ExecuteSystem(cCommand& call)
{
    const cString& first = call.Argument(0).text;
    switch (call.id)
    {
    case kEnter:
    {
        cModule* child = currentModule->FindChild(first);
        if (!child)
        {
            Log("Submodule '" + first + "' not found.", 2);
            return false;
        }
        currentModule = child;
        return false;
    }
    case kExit:
        if (!currentModule->parent)
        {
            Log("Cannot exit from root.", 2);
            return false;
        }
        currentModule = currentModule->parent;
        return false;
    case kTerminate:
        return true;
    case kEcho:
        PrintPlain(first);
        return false;
    case kRun:
        RunNested(first, false);
        return false;
    case kListCommands:
        ListCommands(first);
        return false;
    case kListModules:
        ListModules();
        return false;
    case kRoot:
        currentModule = GetRootModule();
        return false;
    case kRunIfExists:
        RunNested(first, true);
        return false;
    case kListProperties:
        ListProperties();
        return false;
    case kSetProperty:
        SetPropertyFromCall(call);
        return false;
    case kPrintProperty:
        PrintProperty(first);
        return false;
    default:
        return false;
    }
}

void cInterpreter::RunNested(const cString& fileName, bool onlyIfExists)
{
    ++runDepth;
    if (runDepth > kMaxRunDepth)
    {
        Log("Cannot run '" + fileName + "'. Maximum file depth exceeded.", 3);
        --runDepth;
        return;
    }
    if (onlyIfExists)
    {
        cFileSystem* fileSystem = cFileSystem::Get();
        cFS_File* file = fileSystem ? fileSystem->Open(fileName + ".qsc") : nullptr;
        const bool exists = file && fileSystem->Exists(file);
        if (file)
            fileSystem->Close(file);
        if (!exists)
        {
            --runDepth;
            return;
        }
    }
    RunFile(fileName, nullptr);
    --runDepth;
}

void cInterpreter::ListCommands(const cString& which)
{
    if (which == "all")
    {
        PrintPlain("All commands:");
        for (int i = 0; i < commands.Count(); ++i)
        {
            const cCommand* command = commands.At(i);
            PrintPlain(" " + command->owner + "/" + command->word);
        }
        return;
    }
    const bool ofCurrent = which == "0";
    const cString ownerClass = ofCurrent ? currentModule->className : which;
    PrintPlain(ofCurrent ? cString("Commands of current module:") : "Commands of '" + which + "':");
    for (int i = 0; i < commands.Count(); ++i)
    {
        const cCommand* command = commands.At(i);
        if (command->owner == ownerClass)
            PrintPlain(" " + command->word);
    }
}

void cInterpreter::ListModules()
{
    PrintPlain("Submodules of current module:");
    for (int i = 0; i < currentModule->children.Count(); ++i)
    {
        const cModule* child = currentModule->children.At(i);
        PrintPlain(" " + child->name + "[" + child->className + "]");
    }
}

cString cInterpreter::FormatValue(cProperty& property)
{
    if (property.isString)
        return " " + property.text;
    cString text;
    for (float value : property.values)
    {
        text += " ";
        text += FloatToString(value, 0, 10);
    }
    return text;
}

void cInterpreter::ListProperties()
{
    PrintPlain("Properties of current module:");
    cModule* module = currentModule;
    for (int i = 0; i < module->properties.Count(); ++i)
    {
        cProperty* property = module->properties.At(i);
        if (property->id >= 0)
            module->UpdateProperty(*property);
        PrintPlain(property->label + FormatValue(*property));
    }
}

void cInterpreter::SetPropertyFromCall(const cCommand& call)
{
    cModule* module = currentModule;
    const cString& propertyName = call.Argument(0).text;
    cProperty* property = module->FindProperty(propertyName);
    if (property && property->isString)
    {
        module->SetStringProperty(propertyName, call.Argument(1).text);
        return;
    }
    for (int k = 1; k < call.ArgumentCount(); ++k)
    {
        if (property)
            module->SetProperty(*property, k - 1, call.Argument(k).value);
        else
            module->SetProperty(propertyName, k - 1, call.Argument(k).value);
    }
}

void cInterpreter::PrintProperty(const cString& propertyName)
{
    cModule* module = currentModule;
    cProperty* property = module->FindProperty(propertyName);
    if (!property)
        return;
    if (property->id >= 0)
        module->UpdateProperty(*property);
    PrintPlain(propertyName + FormatValue(*property));
}

// ---- The interpreter's own class command ----

void cInterpreter::OnCommand(cCommand& call)
{
    if (call.id != kChar)
    {
        cModule::OnCommand(call);
        return;
    }
    characters.Insert(QNEW cChar(call.Argument(0).text, call.Argument(1).IntegerValue()));
}

// ---- Texts ----

void cInterpreter::LoadLanguage()
{
    cFileSystem* fileSystem = cFileSystem::Get();
    cFS_File* file = fileSystem ? fileSystem->Open("Scripts/lang4.qln") : nullptr;
    texts.ClearAndDelete();
    characters.ClearAndDelete();
    RunFile("Scripts/lang4_chars", this);
    if (!file || !fileSystem->Exists(file))
    {
        Log("File 'Scripts/lang4.qln' not found.", 2);
        if (file)
            fileSystem->Close(file);
        return;
    }
    const int size = file->GetSize();
    char* contents = static_cast<char*>(TrackedAlloc(size_t(size), ".\\cInterpreter", __LINE__));
    if (size > 0)
        std::memcpy(contents, file->GetData(), size_t(size));
    fileSystem->Close(file);

    // Zero-terminated strings alternate id and text; runs of NULs between them are skipped.
    int at = 0;
    auto nextString = [&](cString& out)
    {
        while (at < size && contents[at] == 0)
            ++at;
        if (at >= size)
            return false;
        const int start = at;
        while (at < size && contents[at] != 0)
            ++at;
        out.Assign(contents + start, at - start);
        return true;
    };
    cString id;
    cString text;
    while (nextString(id))
    {
        text.Clear();
        nextString(text);
        texts.Insert(QNEW cTextData(id, text));
    }
    TrackedFree(contents);
}

cString cInterpreter::GetText(const cString& id)
{
    if (id.IsEmpty())
        return cString();
    if (const cTextData* entry = texts.Find(id))
        return entry->text;
    Log("TextID '" + id + "' not found", 0);
    return cString();
}

int cInterpreter::GetGlyph(uint16_t code) const
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", unsigned(code));
    const cChar* entry = characters.Find(digits);
    return entry ? entry->glyph : 0;
}
