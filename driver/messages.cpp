// The message table: one row per diagnostic number, in the order the help
// listings show them.  Texts are printf formats filled by the poster.
#include "driver/diag.h"

constexpr message_row message_table[MESSAGE_TABLE_SZ] = {
    // Fatal: 0 to 999.  Rows below 500 stay out of the help listings.
    {100, "-internal- %s",
     "An internal compiler error has occurred. Contact Korvane Technical Support."},
    {101, "-internal- Out of memory", ""},
    {102, "--no-extended cannot be specified to the extended mode compiler",
     "The --no-extended option selects the non-extended instruction set, which the extended "
     "mode compiler does not generate. Remove the option, or compile with the non-extended "
     "mode compiler."},
    {103, "--extended cannot be specified to the non-extended mode compiler",
     "The --extended option selects the extended instruction set, which this compiler does "
     "not generate. Remove the option; Lumex Tarn generates code for the non-extended "
     "instruction set only."},
    {104, "a non-extended mode device cannot be specified to the extended mode compiler",
     "The processor named with -p runs only the non-extended instruction set, which the "
     "extended mode compiler does not generate. Name a processor with extended mode support, "
     "or compile with the non-extended mode compiler."},
    {151, "-internal- populateExternalReferences() - symbol '%s' is not an external reference.", ""},
    {153, "-internal- objFunctionBegin() - function '%s' is multiply defined.", ""},
    {154, "-internal- addAuxArrOrVar() - symbol '%s' has an suetag which is not in the Coff symbol table.", ""},

    // Error: 1000 to 1999.  1159 stands with the other label messages.
    {1000, "%s", ""},
    {1002, "syntax error, '%s' expected",
     "The parser found a construct that is not valid C at this point; the named token would "
     "have allowed it to continue. Check the line for a missing delimiter such as ';', ')' "
     "or '}'."},
    {1013, "error in pragma directive",
     "The pragma directive is malformed: a required clause, name or delimiter is missing or "
     "misplaced. Check the directive's syntax against the pragma it names."},
    {1014, "redundant attribute specifier declaring section '%s'",
     "The section pragma names the same attribute (such as access, overlay or shared) more "
     "than once. Remove the repeated specifier."},
    {1016, "integer constant expected for #line directive",
     "A #line directive must give the line number as a decimal integer constant, optionally "
     "followed by a file name in double quotes. Correct the directive."},
    {1017, "symbol name expected in 'interrupt' pragma",
     "A #pragma interrupt or #pragma interruptlow clause expects the name of a symbol at "
     "this point, for example in a save= list. Supply the symbol name."},
    {1018, "function name expected in 'interrupt' pragma",
     "A #pragma interrupt or #pragma interruptlow directive must begin with the name of the "
     "interrupt service function. Supply the function name after the keyword."},
    {1019, "'%s' is a compiler managed resource - it should not appear in a save= list",
     "The symbol named is not valid in a save= clause of an interrupt declaration. There are "
     "some locations which if saved/restored via a save= will produce aberrant code. These "
     "locations do not need additional context save and can be safely removed from the save= "
     "clause to correct the error."},
    {1020, "unexpected input following '%s'",
     "Extra text follows a construct that must end the line or the directive. Remove the "
     "extra text or start it on a line of its own."},
    {1021, "unterminated comment",
     "A comment begun with /* reaches the end of the file without its closing */. Add the "
     "missing */."},
    {1022, "end of file in argument '%s' for macro '%s'",
     "The file ends while the preprocessor is still collecting an argument of a macro "
     "invocation. Check the invocation for a missing ')' or an unbalanced parenthesis."},
    {1023, "end of file in valist argument for macro '%s'",
     "The file ends while the preprocessor is still collecting the variable arguments of a "
     "macro invocation. Check the invocation for a missing ')' or an unbalanced parenthesis."},
    {1024, "macro '%s' expects %d arguments, but only %d found",
     "The macro is invoked with fewer arguments than its definition names parameters. Supply "
     "an argument for every parameter."},
    {1025, "missing '%c' in header name",
     "A header name in a #include directive is missing its closing delimiter, the named "
     "character. Close the name with '>' or '\"' as it was opened."},
    {1026, "malformed #include directive",
     "A #include directive must name a file as <name> or \"name\", or as a macro that "
     "expands to one of these forms. Correct the directive."},
    {1027, "unable to locate '%s'",
     "The file named by a #include directive was found neither in the including file's "
     "directory nor in any include directory. Check the name, and add the file's directory "
     "with -I or the VEXC_INCLUDE environment variable."},
    {1028, "%s without matching #if",
     "A conditional directive such as #else, #elif or #endif appears without an open #if, "
     "#ifdef or #ifndef. Remove it or add the missing opening directive."},
    {1029, "malformed expression in '%s'",
     "The expression of a conditional directive could not be evaluated: it is empty, "
     "incomplete or contains an operator the preprocessor does not accept. Correct the "
     "expression; it may use only integer constants, macros and the defined operator."},
    {1030, "identifier expected in %s",
     "The directive requires an identifier, such as the macro name of #define, #undef, "
     "#ifdef or #ifndef. Supply a valid identifier."},
    {1031, "'%c' expected in 'defined'",
     "The defined operator takes a macro name, either alone or enclosed in parentheses; the "
     "named parenthesis is missing. Write defined NAME or defined(NAME)."},
    {1032, "')' expected in expansion of macro '%s'",
     "The argument list of a function-like macro invocation is not closed within the "
     "expansion. Add the missing ')'."},
    {1033, "preprocessor can only input one file at a time",
     "The preprocessor accepts exactly one source file per run. Name only one source file on "
     "the command line."},
    {1034, "previous definition of macro '%s' does not agree",
     "A macro is defined again with a different replacement list or different parameters. "
     "Make both definitions identical, or #undef the macro before redefining it."},
    {1035, "expecting macro name, received '%s' instead",
     "The directive requires a macro name, but the named token is not an identifier. Supply "
     "a valid macro name."},
    {1036, "syntax error in macro argument list, expecting ')'",
     "The parameter list of a function-like macro definition is not closed properly. "
     "Separate the parameters with commas and end the list with ')'."},
    {1037, "duplicate parameter name '%s' in macro '%s'",
     "A function-like macro definition names the same parameter twice. Give every parameter "
     "a distinct name."},
    {1038, "syntax error in macro argument list",
     "The parameter list of a function-like macro definition contains something other than "
     "identifiers separated by commas, optionally ending with '...'. Correct the parameter "
     "list."},
    {1039, "illegal character in macro name '%c'",
     "A macro name may contain only letters, digits and underscores and may not begin with a "
     "digit. Rename the macro."},
    {1040, "# or ## operator found in simple macro %s",
     "The stringizing and token-pasting operators are meaningful only in the replacement "
     "list of a function-like macro. Remove the operator, or define the macro with a "
     "parameter list."},
    {1041, "# operator requires a parameter name as operand",
     "The # operator in a function-like macro must be followed by the name of one of the "
     "macro's parameters. Correct the operand."},
    {1042, "filename for %s directive exceeds maximum filename length",
     "The file name given in the directive is longer than the longest path the host accepts. "
     "Shorten the name or the path."},
    {1050, "section address permitted only at definition",
     "The address of an absolute section may be given only where the section is first "
     "defined. Remove the address from the later section pragma."},
    {1052, "section overlay attribute does not match definition",
     "The section was first defined with a different overlay attribute. Every pragma that "
     "names the section must agree on whether it is an overlay section."},
    {1053, "section share attribute does not match definition",
     "The section was first defined with a different shared attribute. Every pragma that "
     "names the section must agree on whether it is shared."},
    {1054, "section type does not match definition",
     "The section was first defined as a different kind of section, for example code, "
     "romdata, idata or udata. Every pragma that names the section must give the same kind."},
    {1055, "section access attribute does not match definition",
     "The section was first defined with a different access attribute. Every pragma that "
     "names the section must agree on whether it lies in access memory."},
    {1070, "too many line numbers in section '%s'",
     "The section needs more line-number entries than the object file format can hold for "
     "one section. Split the code into several sections."},
    {1071, "too many relocations in section '%s'",
     "The section needs more relocation entries than the object file format can hold for one "
     "section. Split the code or data into several sections."},
    {1072, "too many function calls for ISR '%s'",
     "An ISR may only call 253 distinct functions.  The output object file format (COFF) "
     "limits the number of auxiliary entries to 255.  An ISR requires two auxiliary entries "
     "and a distinct auxiliary entry is required for each call to a distinct function."},
    {1073, "too many function calls for '%s'",
     "A non-interrupt function may only call 254 distinct functions.  The output object file "
     "format (COFF) limits the number of auxiliary entries to 255. A non-interrupt function "
     "requires one auxiliary entry and a distinct auxiliary entry is required for each call "
     "to a distinct function."},
    {1099, "%s",
     "source code '#error' directive message"},
    {1100, "syntax error",
     "The parser found a construct that is not valid C. Check the line and the one before it "
     "for a missing delimiter or a misspelled keyword."},
    {1101, "lvalue required",
     "The operator needs an object that can be assigned to, such as a variable, an array "
     "element or a dereferenced pointer, but the operand is a value. Use a modifiable object "
     "as the operand."},
    {1102, "cannot assign to 'const' modified object",
     "The object is declared const and may not be modified. Remove the assignment, or remove "
     "the const qualifier from the declaration."},
    {1103, "unknown escape sequence '%s'",
     "The backslash in a character or string constant is followed by a character that forms "
     "no escape sequence. Use one of the standard escape sequences, or write \\\\ for a "
     "backslash."},
    {1104, "division by zero in constant expression",
     "A constant expression divides by zero, or takes a remainder by zero. Correct the "
     "divisor."},
    {1105, "symbol '%s' has not been defined",
     "The identifier is used without a declaration in scope. Declare the symbol before its "
     "first use, or check its spelling."},
    {1106, "'%s' is not a function",
     "The identifier is used as a function in a call or a declaration, but it names an "
     "object of another type. Check the name and its declaration."},
    {1107, "interrupt functions must not take parameters",
     "An interrupt service function is entered by the hardware, which passes no arguments. "
     "Declare the function with a void parameter list."},
    {1108, "interrupt functions must not return a value",
     "An interrupt service function returns to the interrupted code, which receives no "
     "value. Declare the function with a void return type."},
    {1109, "type mismatch in redeclaration of '%s'",
     "The symbol is declared again with a type that differs from its earlier declaration. "
     "Make all declarations of the symbol agree."},
    {1111, "undefined label '%s' in '%s'",
     "A goto statement in the named function refers to a label that the function does not "
     "define. Define the label or correct the goto."},
    {1112, "integer type expected in switch control expression",
     "The controlling expression of a switch statement must have an integer type. Convert "
     "the expression to an integer type."},
    {1113, "integer constant expected for case label value",
     "The value of a case label must be an integer constant expression known at compile "
     "time. Replace it with a constant."},
    {1114, "case label outside switch statement detected",
     "A case label may appear only in the body of a switch statement. Move the label into a "
     "switch or remove it."},
    {1159, "default label outside switch statement detected",
     "A default label may appear only in the body of a switch statement. Move the label into "
     "a switch or remove it."},
    {1115, "multiple default labels in switch statement",
     "A switch statement may contain only one default label. Remove all but one."},
    {1116, "type mismatch in return statement",
     "The value of the return statement cannot be converted to the function's return type. "
     "Correct the expression or the function's declared type."},
    {1117, "scalar type expected in 'if' statement",
     "The condition of an if statement must have an arithmetic or pointer type. Use a "
     "comparison or a scalar expression as the condition."},
    {1118, "scalar type expected in 'while' statement",
     "The condition of a while statement must have an arithmetic or pointer type. Use a "
     "comparison or a scalar expression as the condition."},
    {1119, "scalar type expected in 'do..while' statement",
     "The condition of a do..while statement must have an arithmetic or pointer type. Use a "
     "comparison or a scalar expression as the condition."},
    {1120, "scalar type expected in 'for' statement",
     "The condition of a for statement must have an arithmetic or pointer type. Use a "
     "comparison or a scalar expression as the condition."},
    {1121, "scalar type expected in '?:' expression",
     "The first operand of the conditional operator must have an arithmetic or pointer type. "
     "Use a comparison or a scalar expression."},
    {1122, "scalar operand expected for '!' operator",
     "The logical negation operator applies only to arithmetic and pointer operands. A "
     "structure, union or array value cannot be negated."},
    {1123, "scalar operands expected for '||' operator",
     "Both operands of the logical OR operator must have an arithmetic or pointer type. "
     "Compare structure or union members rather than whole objects."},
    {1124, "scalar operands expected for '&&' operator",
     "Both operands of the logical AND operator must have an arithmetic or pointer type. "
     "Compare structure or union members rather than whole objects."},
    {1125, "'break' must appear in a loop or switch statement",
     "A break statement ends the innermost loop or switch statement and is meaningless "
     "outside one. Remove it or move it into a loop or switch."},
    {1126, "'continue' must appear in a loop statement",
     "A continue statement starts the next iteration of the innermost loop and is "
     "meaningless outside one. Remove it or move it into a loop."},
    {1127, "operand type mismatch in '?:' operator",
     "The second and third operands of the conditional operator must both be arithmetic, "
     "compatible pointers, compatible structures or unions, or both void. Convert one "
     "operand to the type of the other."},
    {1128, "compatible scalar operands required for comparison",
     "The operands of a relational or equality operator must both be arithmetic, or be "
     "pointers to compatible types, or a pointer and a null pointer constant. Convert an "
     "operand so that the types agree."},
    {1129, "[] operator requires a pointer and an integer as operands",
     "Array subscripting needs one operand of pointer or array type and one of integer type. "
     "Check both operands of the [] operator."},
    {1130, "pointer operand required for '*' operator",
     "The indirection operator applies only to pointers. Check the declaration of the "
     "operand."},
    {1131, "type mismatch in assignment",
     "The value assigned cannot be converted to the type of the object assigned to. Convert "
     "the value explicitly, or correct one of the declarations."},
    {1132, "integer type expected for right hand operand of '-=' operator",
     "When the left operand of -= is a pointer, the right operand must have an integer type. "
     "Correct the right operand."},
    {1133, "type mismatch in '-=' operator",
     "The operands of the -= operator must both be arithmetic, or a pointer and an integer. "
     "Correct one of the operands."},
    {1134, "arithmetic operands required for multiplication operator",
     "The operands of the * operator must have arithmetic types. Check both operands."},
    {1135, "integer operands required for modulus operator",
     "The operands of the % operator must have integer types. Convert the operands, or use a "
     "floating point library routine for a floating remainder."},
    {1136, "integer operands required for shift operator",
     "The operands of the << and >> operators must have integer types. Convert the operands "
     "to integer types."},
    {1137, "integer types required for bitwise AND operator",
     "The operands of the & operator must have integer types. Convert the operands to "
     "integer types."},
    {1138, "integer types required for bitwise OR operator",
     "The operands of the | operator must have integer types. Convert the operands to "
     "integer types."},
    {1139, "integer types required for bitwise XOR operator",
     "The operands of the ^ operator must have integer types. Convert the operands to "
     "integer types."},
    {1140, "integer type required for bitwise NOT operator",
     "The operand of the ~ operator must have an integer type. Convert the operand to an "
     "integer type."},
    {1141, "integer type expected for pointer addition",
     "A pointer may be added only to a value of integer type. Correct the other operand of "
     "the addition."},
    {1142, "type mismatch in '+' operator",
     "The operands of the + operator must both be arithmetic, or a pointer and an integer. "
     "Correct one of the operands."},
    {1143, "pointer difference requires pointers to compatible types",
     "Two pointers may be subtracted only when they point to compatible types. Convert one "
     "pointer to the type of the other."},
    {1144, "integer type required for pointer subtraction",
     "Only a value of integer type, or a compatible pointer, may be subtracted from a "
     "pointer. Correct the right operand."},
    {1145, "arithmetic type expected for subtraction operator",
     "The operands of the - operator must be arithmetic, or a pointer with an integer or a "
     "compatible pointer. Correct one of the operands."},
    {1146, "type mismatch in argument %d",
     "The numbered argument of the call cannot be converted to the type of the corresponding "
     "parameter in the function's prototype. Convert the argument or correct the prototype."},
    {1147, "scalar type expected for increment operator",
     "The operand of ++ must have an arithmetic or pointer type. Check the declaration of "
     "the operand."},
    {1148, "scalar type expected for decrement operator",
     "The operand of -- must have an arithmetic or pointer type. Check the declaration of "
     "the operand."},
    {1149, "arithmetic type expected for unary plus",
     "The operand of unary + must have an arithmetic type. Check the declaration of the "
     "operand."},
    {1150, "arithmetic type expected for unary minus",
     "The operand of unary - must have an arithmetic type. Check the declaration of the "
     "operand."},
    {1151, "struct or union object designator expected",
     "The left operand of the . operator must be a structure or union, and that of the -> "
     "operator a pointer to one. Check the operand's declaration."},
    {1152, "scalar or void type expected for cast",
     "A cast may convert only to a scalar type or to void; structures, unions and arrays "
     "cannot be the target of a cast. Correct the type name in the cast."},
    {1153, "cannot assign array type objects",
     "An array cannot be assigned as a whole. Copy the elements one by one, or wrap the "
     "array in a structure and assign the structure."},
    {1154, "parameter %d in '%s' must have a name",
     "The numbered parameter of the function definition has a type but no name. Every "
     "parameter of a function definition must be named."},
    {1155, "'overlay' symbol '%s' not in function scope",
     "The overlay storage class applies only to variables declared inside a function. "
     "Declare the variable in function scope, or use static."},
    {1156, "member '%s' declared as having function type",
     "A structure or union member cannot have a function type. Declare the member as a "
     "pointer to a function."},
    {1157, "function 'main' should be declared as 'void main (void)'",
     "The startup code calls main without arguments and ignores its result. Declare main as "
     "void main (void)."},
    {1158, "arithmetic operands required for division operator",
     "The operands of the / operator must have arithmetic types. Check both operands."},
    {1160, "conflicting storage classes specified",
     "The declaration names more than one storage class, such as both static and extern. "
     "Keep only one storage class specifier."},
    {1161, "conflicting base types specified",
     "The declaration names more than one base type, such as both int and float. Keep only "
     "one base type."},
    {1162, "both 'signed' and 'unsigned' specified",
     "A type may be signed or unsigned, not both. Remove one of the specifiers."},
    {1163, "function must be located in program memory",
     "Functions always reside in program memory; a ram qualifier cannot apply to a function. "
     "Remove the qualifier from the declaration."},
    {1165, "reference to incomplete tag '%s'",
     "The structure, union or enumeration tag is used where its complete definition is "
     "needed, but it has only been declared. Define the tag before this use, or use a "
     "pointer to it."},
    {1166, "invalid type specification",
     "The combination of type specifiers does not form a valid type, for example short char "
     "or long float. Correct the type specifiers."},
    {1168, "reference to undefined enumeration tag '%s'",
     "The enumeration tag is used without a definition of its enumeration constants. Define "
     "the enumeration before using the tag."},
    {1169, "anonymous members allowed in unions only",
     "A member without a name is allowed only in a union. Give the member of the structure a "
     "name."},
    {1170, "non-integral type bitfield detected",
     "A bitfield must be declared with an integer type, such as unsigned char or int. "
     "Correct the type of the bitfield."},
    {1171, "bitfield width greater than 8 detected",
     "A bitfield must fit within a single storage unit, which for Lumex Tarn is a byte. "
     "Thus, a bitfield must contain 8 or fewer bits."},
    {1172, "enumeration value of '%s' does not match previous",
     "The enumeration constant is defined again with a different value. Give each "
     "enumeration constant one value."},
    {1173, "cannot locate a parameter in program memory, '%s'",
     "Parameters are passed in data memory and cannot be placed in program memory. Remove "
     "the rom qualifier from the parameter; a pointer to rom data may be passed instead."},
    {1174, "local '%s' in program memory can not be 'auto'",
     "An object in program memory cannot be created on the software stack at run time. "
     "Declare the local static, or move it to data memory."},
    {1175, "static parameter detected in function pointer '%s'",
     "The parameters of a function pointer type cannot have the static storage class. Remove "
     "the static specifier from the parameter."},
    {1176, "tag type mismatch in redeclaration of '%s'",
     "The tag was declared earlier as a different kind of tag, for example struct instead of "
     "union. Use the same kind in every declaration of the tag."},
    {1177, "illegal reference to array of void",
     "An array of void has no element size. Use an array of a complete type, or a pointer to "
     "void."},
    {1178, "illegal declaration of object of type void",
     "The void type has no size, so no object can be declared with it. Declare the object "
     "with a complete type, or as a pointer to void."},
    {1200, "cannot reference the address of a bitfield",
     "A bitfield does not start at a byte address, so its address cannot be taken. Copy the "
     "bitfield to a variable and take the variable's address."},
    {1201, "cannot dereference a pointer to 'void' type",
     "A pointer to void gives no type for the object it points to. Cast the pointer to a "
     "pointer to a complete type before dereferencing it."},
    {1202, "call of non-function",
     "The expression called is neither a function nor a pointer to a function. Check the "
     "declaration of the called expression."},
    {1203, "too few arguments in function call",
     "The call passes fewer arguments than the function's prototype declares. Supply a value "
     "for every parameter."},
    {1204, "too many arguments in function call",
     "The call passes more arguments than the function's prototype declares. Remove the "
     "extra arguments or correct the prototype."},
    {1205, "unknown member '%s' in '%s'",
     "The structure or union named second has no member of the name given first. Check the "
     "member's spelling and the type of the object."},
    {1206, "unknown member '%s'",
     "The structure or union has no member of this name. Check the member's spelling and the "
     "type of the object."},
    {1207, "tag '%s' is incomplete",
     "The structure or union tag is declared but its members are not defined, so its objects "
     "cannot be used. Define the tag before this use."},
    {1208, "\"#pragma interrupt\" detected inside function body",
     "The interrupt pragma must appear at file scope, outside every function. Move the "
     "pragma before the function definition."},
    {1210, "unknown symbol '%s' in interrupt save list",
     "A symbol in the save= list of an interrupt pragma is not declared. Declare the symbol "
     "before the pragma, or check its spelling."},
    {1211, "missing definition for interrupt function '%s'",
     "An interrupt pragma names a function that the source file never defines. Define the "
     "interrupt service function in the same file."},
    {1212, "static function '%s' referenced but not defined",
     "A static function is called or its address taken, but the file does not define it. "
     "Define the function in this file, or remove the static specifier."},
    {1213, "initializer list expected",
     "An aggregate or array initialized with a list must be given the list in braces. "
     "Enclose the initial values in { }."},
    {1214, "constant expression expected in initializer",
     "The initial value of an object with static storage duration must be a constant "
     "expression known at compile time. Replace the initializer with a constant."},
    {1216, "string initializer used for non-character array object",
     "A string literal may initialize only an array of characters. Use a brace-enclosed list "
     "for other arrays."},
    {1218, "extraneous initializer values",
     "The initializer list holds more values than the object has elements or members. Remove "
     "the extra values, or enlarge the object."},
    {1219, "integer constant expected",
     "The construct requires an integer constant expression known at compile time. Replace "
     "the expression with a constant."},
    {1220, "initializer detected in typedef declaration of '%s'",
     "A typedef declares a type name, not an object, so it cannot have an initializer. "
     "Remove the initializer, or remove typedef."},
    {1221, "empty initializer list detected",
     "An initializer list must hold at least one value. Supply an initial value, or remove "
     "the braces."},
    {1222, "\"#pragma config\" detected inside function body",
     "The config pragma must appear at file scope, outside every function. Move the pragma "
     "outside the function body."},
    {1223, "configuration setting '%s' has already been specified",
     "The configuration setting was already given by an earlier config pragma. Specify each "
     "configuration setting only once."},
    {1224, "configuration setting '%s' not recognized",
     "The processor has no configuration setting of this name. Run the compiler with "
     "--help-config and -p to list the processor's settings."},
    {1225, "configuration value '%s' not recognized for configuration setting '%s'",
     "The configuration setting does not accept this value. Run the compiler with "
     "--help-config and -p to list the values the setting accepts."},
    {1226, "cannot specify both #pragma config and _CONFIG_DECL macro",
     "The configuration bits must be given either with config pragmas or with the "
     "_CONFIG_DECL macro, not both. Replace the macro with config pragmas."},
    {1227, "cannot specify #pragma config directive when compiling for generic device",
     "Configuration settings depend on the processor, so a config pragma needs a specific "
     "processor. Name the processor with -p."},
    {1228, "%s cannot be specified in both interrupt save= and nosave= clauses",
     "A location may be either saved or not saved by an interrupt, not both. Remove it from "
     "one of the two clauses."},
    {1250, "'%s' operand %s must be a literal",
     "The named operand of the in-line assembly instruction must be a constant literal "
     "value, not a symbol or an expression. Replace the operand with a literal."},
    {1251, "'%s' operand count mismatch",
     "The number of operands found for the specified opcode does not match the number of "
     "operands expected. Unlike the Vexasm assembler, the Lumex Tarn in-line assembler "
     "expects all operands to be explicitly specified. There are no default values for "
     "operands such as the access bit or destination bit."},
    {1252, "invalid opcode '%s' detected for processor '%s'",
     "The in-line assembly instruction does not exist in the instruction set of the "
     "processor being compiled for. Use an instruction the processor supports."},
    {1253, "constant operand expected",
     "The in-line assembly instruction expects a constant operand here. Replace the operand "
     "with a constant."},
    {1300, "stack frame too large",
     "The function's local variables need more space than one stack frame can address. "
     "Reduce the number or size of the locals, or declare large ones static."},
    {1301, "parameter frame too large",
     "The function's parameters need more space than one stack frame can address. Pass large "
     "objects by pointer instead of by value."},
    {1302, "old style function declarations not supported",
     "Lumex Tarn accepts only prototype-style function definitions, with the types written "
     "in the parameter list. Rewrite the definition in prototype form."},
    {1303, "'near' symbol defined in non-access qualified section",
     "A near variable must lie in access memory, but the current data section is not an "
     "access section. Place the variable in an access section, or remove the near qualifier."},
    {1304, "illegal use of obsolete 'overlay' storage class for symbol '%s'",
     "The overlay storage class is obsolete and not accepted for this symbol. Declare the "
     "symbol static or auto instead."},
    {1500, "unable to open file '%s'",
     "The file could not be opened for reading or writing. Check that it exists, that its "
     "directory is accessible and that it is not locked by another program."},
    {1504, "redefinition of '%s'",
     "The symbol is defined more than once in the same scope. Remove one of the definitions, "
     "or rename one of the symbols."},
    {1505, "redeclaration of '%s'",
     "The symbol is declared again in the same scope in a way that conflicts with the "
     "earlier declaration. Remove the extra declaration, or make the declarations agree."},
    {1506, "function '%s' cannot have 'overlay' storage class specifier",
     "The overlay storage class applies only to variables. Remove the overlay specifier from "
     "the function."},
    {1507, "variable '%s' of 'overlay' storage class cannot have 'near' qualifier",
     "Overlay variables share locations outside the access bank, so they cannot be near. "
     "Remove the near qualifier, or declare the variable static."},
    {1508, "inconsistent linkage for %s",
     "The symbol is declared with both external and internal linkage, for example static "
     "after an extern declaration. Use the same linkage in every declaration."},
    {1509, "%s cannot have 'extern' storage class",
     "The extern storage class is not permitted for this kind of declaration. Remove the "
     "extern specifier."},
    {1510, "%s cannot have 'extern' storage class, block scope, and an initializer",
     "A block-scope declaration with extern refers to an object defined elsewhere and so "
     "cannot have an initializer. Remove the initializer, or move the definition to file "
     "scope."},
    {1511, "ran out of internal memory for temps",
     "The expression needs more temporary locations than the compiler can allocate. Simplify "
     "the expression by splitting it into several statements."},
    {1512, "redefinition of label '%s'",
     "The function defines the same label twice. Rename one of the labels."},
    {1513, "redefinition of member '%s'",
     "The structure or union declares two members of the same name. Rename one of the "
     "members."},
    {1514, "cast of a pointer to floating point is undefined",
     "Converting a pointer to a floating point type has no defined meaning. Convert the "
     "pointer to an integer type first if the address is wanted."},
    {1515, "redefinition of case value %ld",
     "The switch statement has two case labels with the same value. Remove or change one of "
     "them."},
    {1516, "array size must be greater than zero",
     "An array must be declared with at least one element. Correct the array size."},
    {1517, "conflicting rom/ram qualifiers",
     "An object can be qualified as either rom or ram, not both. Remove one of the "
     "qualifiers."},
    {1518, "conflicting near/far qualifiers",
     "An object can be qualified as either near or far, not both. Remove one of the "
     "qualifiers."},
    {1519, "aggregate types not allowed in __builtin_ittype()",
     "__builtin_ittype() accepts only scalar types. Use it with a member of the structure or "
     "union rather than the aggregate itself."},
    {1520, "Conflicting declarations of symbol '%s' in sections '%s' and '%s'",
     "The symbol is declared in two different sections. Place every declaration of the "
     "symbol in the same section."},

    // Warning: 2000 to 2999.
    {2001, "non-near symbol '%s' declared in access section '%s'",
     "A variable that is not qualified near is placed in an access section. Qualify the "
     "variable as near so that code can reach it without bank selection."},
    {2002, "unknown pragma '%s'",
     "The compiler does not know the pragma and ignores it. Check the spelling of the pragma "
     "name."},
    {2003, "_CONFIG_DECL macro has been deprecated; please utilize #pragma config",
     "The _CONFIG_DECL macro is still accepted, but config pragmas are the supported way to "
     "set configuration bits. Replace the macro with #pragma config directives."},
    {2025, "default overlay locals is unsupported in Extended mode, -sco ignored",
     "Extended mode keeps locals on the stack, so the -sco option has no effect. Remove the "
     "option."},
    {2026, "default static locals is unsupported in Extended mode, -scs ignored",
     "Extended mode keeps locals on the stack, so the -scs option has no effect. Remove the "
     "option."},
    {2027, "default auto locals is redundant in Extended mode, -sca ignored",
     "Locals are auto by default in extended mode, so the -sca option has no effect. Remove "
     "the option."},
    {2028, "default static locals is unsupported in Extended mode, -Ol ignored",
     "Extended mode keeps locals on the stack, so the -Ol option has no effect. Remove the "
     "option."},
    {2029, "default access RAM is unsupported in Extended mode, -Oa ignored",
     "Extended mode uses the access bank for stack-relative addressing, so the -Oa option "
     "has no effect. Remove the option."},
    {2052, "unexpected return value",
     "A function declared to return void has a return statement with a value; the value is "
     "discarded. Remove the value or change the function's return type."},
    {2053, "return value expected",
     "A function declared to return a value has a return statement without one, so the "
     "caller receives an undefined value. Return a value of the function's type."},
    {2054, "suspicious pointer conversion",
     "A pointer is converted to a pointer of an incompatible type, or between a pointer and "
     "an integer, without a cast. Add an explicit cast if the conversion is intended."},
    {2055, "expression is always false",
     "The condition can never be true, for example because a value is compared with a "
     "constant outside its range. Check the expression and the types of its operands."},
    {2056, "expression is always true",
     "The condition can never be false, for example because a value is compared with a "
     "constant outside its range. Check the expression and the types of its operands."},
    {2058, "call of function without prototype",
     "The function is called without a prototype in scope, so its arguments are not checked "
     "or converted. Declare the function with a prototype before the call."},
    {2059, "unary minus of unsigned value",
     "Negating an unsigned value yields another unsigned value, not a negative one. Cast the "
     "operand to a signed type if a negative value is intended."},
    {2060, "shift expression has no effect",
     "The shift count is zero or the shifted value is discarded, so the shift does nothing. "
     "Check the shift count and the use of the result."},
    {2062, "'->' operator expected, not '.'",
     "The left operand is a pointer to a structure or union, so its members are reached with "
     "->. Replace . with ->."},
    {2063, "'.' operator expected, not '->'",
     "The left operand is a structure or union, not a pointer to one, so its members are "
     "reached with the . operator. Replace -> with the . operator."},
    {2064, "static function '%s' not defined",
     "A static function is declared but never defined in this file. Define the function, or "
     "remove its declaration."},
    {2065, "static function '%s' never referenced",
     "A static function is defined but never called or referenced in this file. Remove the "
     "function if it is not needed."},
    {2066, "type qualifier mismatch in assignment",
     "The assignment discards a qualifier such as const or volatile from the pointed-to "
     "type, or converts between rom and ram pointers. Add the qualifier to the target, or "
     "cast explicitly."},
    {2068, "obsolete use of implicit 'int' detected",
     "The declaration omits its type, which older C took to mean int. Write the type "
     "explicitly."},
    {2069, "enumeration value exceeds maximum range",
     "The value of an enumeration constant does not fit in the range of type int. Choose a "
     "smaller value."},
    {2071, "%s cannot have 'overlay' storage class; replacing with 'static'",
     "The overlay storage class is not permitted for this declaration; the compiler uses "
     "static instead. Declare the symbol static to remove the warning."},
    {2072, "invalid storage class specifier for %s; ignoring",
     "The storage class specifier is not permitted for this declaration and the compiler "
     "ignores it. Remove the specifier."},
    {2073, "null-terminated initializer string too long",
     "The string literal, with its terminating null character, is longer than the array it "
     "initializes; the excess characters are dropped. Enlarge the array or shorten the "
     "string."},
    {2074, "location %s specified in the interrupt save list is redundant",
     "The named location is always saved by the interrupt context code, so listing it in the "
     "save= clause adds nothing. Remove it from the list."},
    {2075, "location %s specified in the interrupt nosave list is changed by the interrupt, but will not be saved",
     "The interrupt service code changes the named location, yet the nosave= clause prevents "
     "saving it, so the interrupted code may see it altered. Remove the location from the "
     "nosave= clause unless the change is harmless."},
    {2076, "%s ignored in the interrupt nosave list, as it is preserved via shadow register",
     "The high-priority interrupt preserves the named location through the shadow registers, "
     "so naming it in the nosave= clause has no effect. Remove it from the clause."},
    {2077, "%s is not a valid compiler managed resource for use in the interrupt nosave list",
     "The compiler managed resources which may be specified in a nosave= clause are WREG, "
     "BSR, STATUS, PROD, FSR0, TBLPTR, TABLAT, section(\".tmpdata\"), "
     "section(\"MATH_DATA\"), and when operating in extended mode, __RETVAL0."},
    {2100, "obsolete use of 'overlay' for symbol '%s', processing as 'auto'",
     "The overlay storage class is obsolete; the compiler treats the symbol as auto. Declare "
     "the symbol auto or static instead."},
    {2101, "obsolete use of 'static' storage for parameter '%s', treating as 'auto'",
     "Parameters cannot have static storage; the compiler treats the parameter as auto. "
     "Remove the static specifier."},
    {2102, "near range specifier ignored for 'auto' variable '%s'",
     "Auto variables live on the software stack, so the near range specifier has no effect "
     "on them. Remove the specifier, or declare the variable static."},
    {2103, "default startup code expects main function declared as 'void main (void)'",
     "The default startup code calls main without arguments and ignores its result. Declare "
     "main as void main (void), or supply startup code of your own."},
    {2104, "Maximum value of enum '%s' can not fit in %d bits",
     "The largest value of the enumeration does not fit in the named number of bits. Choose "
     "smaller values or a wider type."},

    // Message: 3000 to 3999.
    {3000, "test of floating point for equality detected",
     "Floating point values are rarely exactly equal after rounding, so == and != may not "
     "behave as expected. Compare the difference against a small tolerance instead."},
    {3002, "comparison of a signed integer to an unsigned integer detected",
     "The signed operand is converted to unsigned, so a negative value compares as a large "
     "positive one. Cast the operands to a common type."},
    {3003, "nosave= location '%s' is part of the minimal automatic, but will not be saved",
     "The compiler saves, as a minimal context, locations BSR, STATUS, and WREG. When "
     "specified in the nosave= clause for a low priority interrupt, these locations will not "
     "be saved.  Ensure that they are not required by either the low-priority interrupt or "
     "the mainline code."},
};

namespace {

// Label messages stay together, so 1159 sorts just after 1114.
constexpr double listing_key(uint32_t number) { return number == 1159 ? 1114.5 : number; }

constexpr bool table_is_complete_and_ordered() {
    for (int i = 0; i < MESSAGE_TABLE_SZ; ++i) {
        const message_row &row = message_table[i];
        if (row.text == nullptr || row.help == nullptr)
            return false;
        if (i > 0 && !(listing_key(message_table[i - 1].number) < listing_key(row.number)))
            return false;
    }
    return true;
}

static_assert(table_is_complete_and_ordered(),
              "every row needs a text and a help, in listing order without duplicates");

} // namespace
