' A script host's view of Hivewalk: created by ProgID, driven by name, with
' variables passed by reference. Prints its last line only when every check
' passed: Wine's cscript exits with 0 even when a script stops on an error.
Option Explicit

Dim failures : failures = 0
Sub Check(ok, what)
    If Not ok Then
        WScript.Echo "FAILED: " & what
        failures = failures + 1
    End If
End Sub

Dim hw, t, v, keys, table
Set hw = CreateObject("Hivewalk.clsHivewalk")

' Start clean: remove what an interrupted earlier run may have left.
On Error Resume Next
hw.Cd "HKEY_CURRENT_USER\Software\HivewalkScript"
hw.DeleteKey "Sub"
hw.Cd "\"
hw.Cd "HKEY_CURRENT_USER\Software"
hw.DeleteKey "HivewalkScript"
Err.Clear
On Error GoTo 0

hw.Cd "\"
hw.Cd "HKEY_CURRENT_USER\Software"
hw.MakeKey "HivewalkScript"
hw.Cd "HivewalkScript"
Check hw.CurrentKey = "\HKEY_CURRENT_USER\SOFTWARE\HIVEWALKSCRIPT", "CurrentKey is " & hw.CurrentKey

' The three types. A script has no byte arrays of its own: the bytes of a
' string value, as ValueOf reads them, are written back as a binary value.
t = 0 : hw.ValueOf("Description", t) = "AutoCAD"
t = 2 : hw.ValueOf("Enabled", t) = CDbl(1)
t = 0 : v = hw.ValueOf("Description", t)
Check t = 0 And v(0) = "AutoCAD", "read Description"
t = 1 : hw.ValueOf("Bytes", t) = v(1)
t = -1 : v = hw.ValueOf("Bytes", t)
Check t = 1, "the type of Bytes comes back in t: " & t
Check v(0) = "41 75 74 6F 43 41 44", "Bytes as text: " & v(0)
t = -1 : v = hw.ValueOf("Enabled", t)
Check t = 2 And v(0) = "00000001" And v(2) = 1, "read Enabled"

' Listings. Wine's script engines cannot index String arrays (a VBScript
' under Windows reads keys(0) and table(1, row)); the compiled and late-bound
' client tests check the cells, this checks what a script sees of them.
Const vbArrayOfStrings = 8200
keys = hw.DirKey
Check IsNull(keys), "no sub-keys yet: Null"
hw.MakeKey "Sub"
keys = hw.DirKey
Check VarType(keys) = vbArrayOfStrings, "DirKey gives a String array: " & VarType(keys)
table = hw.DirValue
Check VarType(table) = vbArrayOfStrings, "DirValue gives a String array: " & VarType(table)

' Errors arrive in Err with their number, source and description.
On Error Resume Next
hw.Cd "Missing"
Check Err.Number = -2147221248, "Err.Number " & Err.Number
Check Err.Source = "Hivewalk[API Call]", "Err.Source " & Err.Source
Check Err.Description = "Key/Value does not exist.", "Err.Description " & Err.Description
Err.Clear
t = 2 : hw.ValueOf("x", t) = "not a number"
Check Err.Number = -2147221501, "Err.Number " & Err.Number
Check Err.Source = "Hivewalk [Let ValueOf]", "Err.Source " & Err.Source
Check Err.Description = "Type passed doesn't match Value passed.", "Err.Description " & Err.Description
Err.Clear
On Error GoTo 0

' Clean up what the script made. The failed move left the object on
' ...\MISSING, so go to the top level before the next absolute path.
hw.Cd "\"
hw.Cd "HKEY_CURRENT_USER\Software\HivewalkScript"
hw.DeleteKey "Sub"
hw.DeleteValue "Description"
hw.DeleteValue "Enabled"
hw.DeleteValue "Bytes"
hw.Cd ".."
hw.DeleteKey "HivewalkScript"

If failures = 0 Then WScript.Echo "script client: all checks passed"
WScript.Quit failures
