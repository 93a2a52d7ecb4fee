' mosa-trevlin の見本: エンコードすると hello.vbe ができます。
' hello.vbe も、このファイルと同じように実行できます。
Dim message
message = "こんにちは。これはエンコードされたスクリプトです。"
MsgBox message, vbInformation, "mosa-trevlin"
