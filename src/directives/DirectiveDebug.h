// Handlers of the debug-description directives (.FILE, .LINE, the type, variable and
// function descriptions). They run in both passes; records are built in pass one only
// when debug information is on.
#pragma once

struct DirectiveContext;
struct Statement;

int executeFILE(Statement* statement, DirectiveContext& dc, int pass);
int executeLINE(Statement* statement, DirectiveContext& dc, int pass);
// .VARIABLE, .TYPEDEF, .STRUCT, .STRUCTMEM, .UNION, .UNIONMEM, .ENUM, .ENUMERATOR,
// .FUNCTION, .PARAMETER, .RETURN, .FUNC_END, .STRUCT_END, .UNION_END, .ENUM_END.
int executeDebugDescription(Statement* statement, DirectiveContext& dc, int pass);
